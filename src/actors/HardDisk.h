// An invisible solid disk that keeps the player out and counts the shots it absorbs.
#pragma once

#include "core/ReactsToWeaponOrPlayer.h"

class HardDisk : public ReactsToWeaponOrPlayer {
public:
    HardDisk(Coord position, int radius);

    void draw() override {}
    void update() override {}
    bool reactToWeapon(PlayerWeapon* weapon) override;
    void reactToCollisionWithPlayerCallback(Entity* player) override;

    int getHitCount() { return hitCount; }
    void setHitCount(int n) { hitCount = n; }

    int hitCount;
};
