// Shoot mode 4: two shots weaving about the aim, every second step.
#pragma once

#include "actors/PlayerGun.h"

class PlayerGunSinusoidal : public PlayerGun {
public:
    explicit PlayerGunSinusoidal(Player* player);
    void shoot() override;

    bool toggle;
    float phase;
};
