// A back-and-forth enemy with up to three colour flags; a shot of a flag's
// colour clears it, and it dies when no flag is left.
#pragma once

#include "actors/BackAndForth.h"
#include "core/Color.h"

class MulticolorBAF : public BackAndForth {
public:
    MulticolorBAF(Coord position, float angle, bool red, bool green, bool blue, float speed);
    ~MulticolorBAF() override {}

    void updateColor();

    void draw() override;
    bool reactToWeapon(PlayerWeapon* weapon) override;
    void reactToCollisionWithPlayerCallback(Entity* player) override;

    Color colour;
    bool red;
    bool green;
    bool blue;
};
