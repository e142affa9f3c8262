// An elastic band that ties the player to an anchor point.
#pragma once

#include "core/Color.h"
#include "core/Entity.h"

class VectorModel;

class Spring : public Entity {
public:
    // 0 pulls and pushes toward a rest length; 1 only pulls, beyond a free length.
    // Held in an int, so that any number a script passes is a value of the type.
    enum Type : int { BAND = 0, ROPE = 1 };

    // Any type but ROPE acts as BAND. The strength must be accepted.
    Spring(Coord anchor, Spring::Type type, float strength);

    // A strength of 0 or below would divide by zero or turn the band inside out.
    static bool acceptsStrength(float strength) { return strength > 0.0f; }

    void draw() override;
    void update() override;
    bool isVisible() override { return true; }

    VectorModel* model;
    float stretch;
    float strength;
    float angle;
    Color color;
    int type;
    int drawFrom;
};
