// A boss: a red core inside a ring-shaped mirror that turns to face the ship
// and creeps toward it. Shots on the mirror's arc come back as green bullets,
// shots past it that reach the core count; every tenth core hit widens the
// arc and sets off a spiral of bullets; the sixth widening kills it.
#pragma once

#include "core/Color.h"
#include "core/ReactsToWeaponOrPlayer.h"

class VectorModel;

class BossMirror : public ReactsToWeaponOrPlayer {
public:
    // Reads the difficulty once. No draw from the shared generator (each
    // blast's ring burst draws one).
    explicit BossMirror(Coord position);
    ~BossMirror() override;

    void update() override;
    void draw() override;
    bool reactToWeapon(PlayerWeapon* weapon) override;
    void reactToCollisionWithPlayerCallback(Entity* player) override;

    // Steps of spiral fire after a rise to `stage` at a difficulty; 0: none.
    static int burstLength(int difficulty, int stage);

    VectorModel* mirrorModel;
    VectorModel* mirrorModel2;
    VectorModel* coreModel;
    float angle;
    float angularVelocity;
    float turnAcceleration;
    Color color;
    int flashUntil;
    int stage;
    int blastsInStage;
    int immuneUntil;
    int deathTime;
    float shrink;
    int burstEnd;
    int burstPeriod;
    int difficulty;

    static int count;

private:
    void blastSparks();
};
