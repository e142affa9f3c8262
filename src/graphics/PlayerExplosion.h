// The large expanding blast drawn from the bomb graphic: the player's death
// and some enemies' big blasts.
#pragma once

#include "core/Color.h"
#include "core/Entity.h"

class VectorModel;

class PlayerExplosion : public Entity {
public:
    explicit PlayerExplosion(Coord position);
    PlayerExplosion(Coord position, Color colour);

    void draw() override;
    void update() override;

    float scale;
    float speed;
    float alpha;
    float angle;
    float rotationFactor;
    Color colour;
    VectorModel* model;

private:
    void init();
};
