// The guns with a fixed fire rate: one volley every fourth step while the
// shoot stick is held.
#pragma once

#include "actors/PlayerGun.h"

class PlayerStandardGun : public PlayerGun {
public:
    explicit PlayerStandardGun(Player* player);

    void shoot() override;
    // One volley from origin at aim (degrees).
    virtual void shootWeapon() = 0;

    static const float SPEED;

    int nextShotTime;
    bool toggle;
    float aim;
    int bulletType;
    Coord origin;
};
