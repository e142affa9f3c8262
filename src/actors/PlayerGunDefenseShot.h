// The defence burst: a ring of shots when the player is hit.
#pragma once

#include "actors/PlayerGun.h"

class PlayerGunDefenseShot : public PlayerGun {
public:
    explicit PlayerGunDefenseShot(Player* player) : PlayerGun(player){};
    void shoot() override {}
    void shoot(int n);
};
