// A coloured enemy that wanders in random straight runs; only a player bullet
// of its own colour destroys it, one of another colour knocks it away.
#pragma once

#include "core/Color.h"
#include "core/ReactsToWeaponOrPlayer.h"

class VectorModel;

class Brownian : public ReactsToWeaponOrPlayer {
public:
    // Types 0 red, 1 green, 2 blue (these lean toward the ship and hurt it),
    // 3 yellow, 4 red; another type is white with colour type -1.
    Brownian(Coord position, int type);
    ~Brownian() override;

    void update() override;
    void draw() override;
    bool reactToWeapon(PlayerWeapon* weapon) override;
    void reactToCollisionWithPlayerCallback(Entity* player) override;

    // Ignores 0, which would make every run infinitely fast.
    static void setSpeedDivisor(float divisor);
    static int addValueToCounter(int value);

    Coord velocity;
    int nextChange;
    int type;
    Color color;
    int colorType;
    int angle;
    int spin;
    bool appearing;
    int appearingUntil;
    float axis[3];

    static VectorModel* vm;
    static int count;
    // 15.0 at program start; every world reset sets 30.0.
    static float speedDivisor;

private:
    void destroy(const char* sound);
};
