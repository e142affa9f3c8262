// The model-8 defence burst: half spiralling, half straight shots.
#pragma once

#include "actors/PlayerGun.h"

class PlayerGunDefenseSpiralShot : public PlayerGun {
public:
    explicit PlayerGunDefenseSpiralShot(Player* player) : PlayerGun(player){};
    void shoot() override {}
    void shoot(int n);
};
