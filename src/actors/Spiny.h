// A weak enemy that waits, then rolls in loops along a random drift that can
// lean toward the player, dragging a trail of its last 30 steps.
#pragma once

#include "core/Color.h"
#include "core/ReactsToWeaponOrPlayer.h"

class VectorModel;

class Spiny : public ReactsToWeaponOrPlayer {
public:
    // Three draws from the shared generator: angle, spin sign, one unused.
    Spiny(Coord position, float attraction, int kind);
    ~Spiny() override;

    void draw() override;
    void update() override;
    bool isVisible() override { return calculateIfIsVisible(100.0f); }
    bool reactToWeapon(PlayerWeapon* weapon) override;
    void reactToCollisionWithPlayerCallback(Entity* player) override;

    float attraction;
    Coord velocity;
    float angle;
    float spinRate;
    int nextTurnTime;
    int kind;
    int life;
    Color color;
    bool waiting;
    int waitUntil;
    float trail[120];
    int trailIndex;

    static VectorModel* vm;
    static int count;
};
