// Ship models 0 to 8: one frame of the ship graphic.
#pragma once

#include "actors/PlayerShip.h"

class VectorModel;

class PlayerNonAnimatedShip : public PlayerShip {
public:
    explicit PlayerNonAnimatedShip(int model);

    void draw() override;
    void drawWithoutColor() override;
    void update() override {}

    int frame;
    VectorModel* graphic;
};
