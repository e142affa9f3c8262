// A still target of a given radius that reacts to nothing, for grid and world tests.
#pragma once

#include "core/ReactsToWeaponOrPlayer.h"

class TestTarget : public ReactsToWeaponOrPlayer {
public:
    TestTarget(Coord p, int r) : ReactsToWeaponOrPlayer(p, false, r) {}
    void update() override {}
    void draw() override {}
    bool reactToWeapon(PlayerWeapon*) override { return false; }
    void reactToCollisionWithPlayerCallback(Entity*) override {}
};
