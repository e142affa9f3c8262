// A still, invisible entity; nothing makes one at present.
#pragma once

#include "core/Entity.h"

class Cannon : public Entity {
public:
    explicit Cannon(Coord position) : Entity(position, false) {}
    void update() override {}
    void draw() override;
};
