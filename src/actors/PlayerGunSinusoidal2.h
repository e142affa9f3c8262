// Shoot mode 6: three interleaved waves, one shot per step.
#pragma once

#include "actors/PlayerGun.h"

class PlayerGunSinusoidal2 : public PlayerGun {
public:
    explicit PlayerGunSinusoidal2(Player* player);
    void shoot() override;

    int counter;
    float phase;
};
