// A slowly turning bomb a level script places; it does nothing else.
#pragma once

#include "core/Entity.h"

class VectorModel;

class Bomb : public Entity {
public:
    explicit Bomb(Coord position);
    void update() override { angle += 1.0f; }
    void draw() override;

    float angle;
    VectorModel* model;
};
