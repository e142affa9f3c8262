// Shoot mode 2: three wide shots, then two.
#pragma once

#include "actors/PlayerStandardGun.h"

class PlayerGun3Shot : public PlayerStandardGun {
public:
    explicit PlayerGun3Shot(Player* player) : PlayerStandardGun(player){};
    void shootWeapon() override;
};
