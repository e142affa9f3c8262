// Shoot mode 7: four shots scattered over 40 degrees by the shared generator.
#pragma once

#include "actors/PlayerStandardGun.h"

class PlayerGunUltimateMafa : public PlayerStandardGun {
public:
    explicit PlayerGunUltimateMafa(Player* player) : PlayerStandardGun(player){};
    void shootWeapon() override;
};
