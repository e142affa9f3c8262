// An enemy that fades in, then circles a centre creeping toward the player;
// five hits break it into five parts.
#pragma once

#include "core/Color.h"
#include "core/ReactsToWeaponOrPlayer.h"

class VectorModel;

class Splitter : public ReactsToWeaponOrPlayer {
public:
    // Three draws from the shared generator: spin, orbit angle, orbit radius.
    explicit Splitter(Coord position);
    ~Splitter() override;

    void draw() override;
    void update() override;
    bool reactToWeapon(PlayerWeapon* weapon) override;
    void reactToCollisionWithPlayerCallback(Entity* player) override;

    Coord centre;
    VectorModel* model;
    Color color;
    float orbitRadius;
    float spinAngle;
    float spinSpeed;
    float orbitAngle;
    float orbitSpeed;
    int life;
    bool appearing;
    int appearCountdown;
    int flashUntil;

    static int count;

    // A step toward the goal: a tenth of the way, at most 5 units.
    static Coord stepToward(Coord from, Coord goal);
    // Moves a centre by `length` toward the player; a centre on the player stays.
    static void creep(Coord& centre, float length);
};
