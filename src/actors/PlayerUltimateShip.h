// Ship model 10: a fixed body and an outer part that spins about the ship's
// long axis, faster the harder the move stick is pushed.
#pragma once

#include "actors/PlayerShip.h"

class VectorModel;

class PlayerUltimateShip : public PlayerShip {
public:
    PlayerUltimateShip();

    void draw() override;
    void drawWithoutColor() override;
    void update() override;

    float spin;  // degrees
    VectorModel* graphic;

private:
    void drawFrames(bool withColors);
};
