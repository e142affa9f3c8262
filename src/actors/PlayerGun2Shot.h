// Shoot mode 1: one shot, then two spread shots.
#pragma once

#include "actors/PlayerStandardGun.h"

class PlayerGun2Shot : public PlayerStandardGun {
public:
    explicit PlayerGun2Shot(Player* player) : PlayerStandardGun(player){};
    void shootWeapon() override;
};
