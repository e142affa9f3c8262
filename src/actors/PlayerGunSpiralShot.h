// Shoot mode 5: turns its angle every step and fires nothing.
#pragma once

#include "actors/PlayerGun.h"

class PlayerGunSpiralShot : public PlayerGun {
public:
    explicit PlayerGunSpiralShot(Player* player);
    void shoot() override;

    float angle;
    float stickAngle;  // the shoot stick's angle when it was last held
};
