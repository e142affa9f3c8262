// A cheap arrow enemy that moves along one axis and turns back at walls; the
// class counts its live objects per row and per column for the level scripts.
#pragma once

#include "core/ReactsToWeaponOrPlayer.h"

class VectorModel;

class OptimizedBAF : public ReactsToWeaponOrPlayer {
public:
    static constexpr int LANES = 4000;

    // code = direction (0 +x, 1 -x, 2 +y, 3 -y) + 4 * type (0..2); the code
    // must be accepted.
    OptimizedBAF(Coord position, int code);
    ~OptimizedBAF() override;

    static bool acceptsCode(int code) { return code >= 0 && code <= 11; }
    // Live vertical movers in column i and horizontal movers in row i; 0
    // outside 0..3999.
    static int countAtX(int i) { return i >= 0 && i < LANES ? count[i] : 0; }
    static int countAtY(int i) { return i >= 0 && i < LANES ? count[LANES + i] : 0; }

    void addValueToCounter(int v);

    void draw() override;
    void update() override;
    bool reactToWeapon(PlayerWeapon* weapon) override;
    void reactToCollisionWithPlayerCallback(Entity* player) override;

    VectorModel* model;
    Coord velocity;
    int frame;
    int frameBase;
    int code;
    bool turning;
    float turnScale;
    int life;
    int flashUntil;
    int explosionColour;
    int explosionParticles;
    int laneIndex;

    // Columns at 0..3999, rows at 4000..7999; each wraps at 256.
    static unsigned char count[2 * LANES];
    static int count2;
    static VectorModel* vm1;
    static VectorModel* vm2;
    static VectorModel* vm3;

private:
    bool isRed() { return code >= 8 && code <= 11; }
    bool movesAlongX() { return code % 4 < 2; }
};
