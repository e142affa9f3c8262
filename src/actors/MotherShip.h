// A large enemy that drifts straight, feels ahead with five probes to bounce
// off walls, and releases a burst of enemy bullets when it dies.
#pragma once

#include "core/Color.h"
#include "core/ReactsToWeaponOrPlayer.h"

class VectorModel;

class MotherShip : public ReactsToWeaponOrPlayer {
public:
    // spacing: the burst's spacing in degrees and the type (>= 45: 1, 3 to
    // 45: 2, below 3: 3); it must be accepted. A start angle of exactly -1
    // draws a random one. Three draws from the shared generator (two with
    // an angle).
    MotherShip(Coord position, float spacing, float startAngle, bool fromSeed);
    ~MotherShip() override;

    // A spacing of 0 or below would make the death burst endless.
    static bool acceptsSpacing(float spacing) { return spacing > 0.0f; }

    void setAngle(float angle);

    void draw() override;
    void update() override;
    bool reactToWeapon(PlayerWeapon* weapon) override;
    void reactToCollisionWithPlayerCallback(Entity* player) override;

    VectorModel* model;
    Color colour;
    Coord velocity;
    Coord probes[5];
    bool appearing;
    int appearEndTime;
    float angle;
    int frameCounter;
    int flashUntil;
    float spacing;
    int type;

    static int count;
    static int numberOfTimesThePlayerGotHit;

private:
    const char* deathSound();
};
