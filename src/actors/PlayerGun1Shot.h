// Shoot mode 0: one shot every second volley.
#pragma once

#include "actors/PlayerStandardGun.h"

class PlayerGun1Shot : public PlayerStandardGun {
public:
    explicit PlayerGun1Shot(Player* player) : PlayerStandardGun(player){};
    void shootWeapon() override;
};
