// Shoot mode 3: a full circle of 360 shots, turned 5 degrees every second volley.
#pragma once

#include "actors/PlayerStandardGun.h"

class PlayerGunCircleShot : public PlayerStandardGun {
public:
    explicit PlayerGunCircleShot(Player* player) : PlayerStandardGun(player){};
    void shootWeapon() override;
};
