// Shoot mode 8: fusion shots, a pair then a centre shot every six steps.
#pragma once

#include "actors/PlayerGun.h"

class PlayerGunFusion : public PlayerGun {
public:
    explicit PlayerGunFusion(Player* player);
    void shoot() override;

    int counter;
};
