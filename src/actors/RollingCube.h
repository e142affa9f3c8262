// A cube that moves by tipping over one of its bottom edges toward the player
// (or the ally), resting between rolls; both shorten over time.
#pragma once

#include "core/Color.h"
#include "core/ReactsToWeaponOrPlayer.h"

class VectorModel;

class RollingCube : public ReactsToWeaponOrPlayer {
public:
    // One draw from the shared generator (the choice of the ally as target).
    // rollSteps below 1 counts as 1.
    RollingCube(Coord position, int rollSteps, int pause);
    ~RollingCube() override;

    void setDirection();

    void draw() override;
    void update() override;
    bool reactToWeapon(PlayerWeapon* weapon) override;
    void reactToCollisionWithPlayerCallback(Entity* player) override;

    Color colour;
    float rollAngle;
    float axis[2];
    float direction[2];
    bool rolling;
    int nextRollTime;
    float pivot[2];
    // Aims at the ally while it exists; the ally's address is never kept.
    bool aimAtAlly;
    int life;
    int flashUntil;
    int nextSpeedUpTime;
    int rollSteps;
    int pause;
    float rollIncrement;

    static VectorModel* vm;
    static int count;
};
