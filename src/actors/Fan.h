// A pad that blows the player away when touched, then recharges.
#pragma once

#include "core/Color.h"
#include "core/ReactsToWeaponOrPlayer.h"

class VectorModel;

class Fan : public ReactsToWeaponOrPlayer {
public:
    explicit Fan(Coord position);

    void draw() override;
    void update() override;
    bool reactToWeapon(PlayerWeapon*) override { return false; }
    void reactToCollisionWithPlayerCallback(Entity* player) override;

    VectorModel* model;
    Color color;
    bool blowing;
    bool ready;
    int power;
    int rechargeCounter;
};
