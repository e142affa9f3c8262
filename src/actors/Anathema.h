// The final boss: a teleporter in red that chases the player, throws enemy
// seeds, flies apart to reassemble beyond a player who runs far away, and at
// the two higher difficulties aims, charges and fires a wide beam.
#pragma once

#include <list>

#include "actors/Teleporter.h"
#include "core/Color.h"

class Anathema : public Teleporter {
public:
    // One draw from the shared generator (the first aiming time). Counts 2
    // in Teleporter::count while it lives.
    explicit Anathema(Coord position);
    ~Anathema() override;

    void update() override;
    void draw() override;
    bool reactToWeapon(PlayerWeapon* weapon) override;
    void reactToCollisionWithPlayerCallback(Entity* player) override;

    // True, at most once in 10 steps, when the player stands in the beam.
    bool detectIfPlayerIsInCannonField();
    // Turns the cannon toward the player by at most maxStep degrees.
    void moveCannonSlowlyTowardsPlayer(float maxStep);

    struct CannonShots {
        float distance;
        Color color;
    };

    VectorModel* cannonModel;
    int cannonState;  // 0 idle, 1 aiming, 2 charging, 3 firing
    float cannonAngle;
    float cannonCharge;
    float spin;
    int cannonStartTime;
    int cannonEndTime;
    int maxHits;
    int seedInterval;
    int nextFieldCheckTime;
    float beamQuad[8];
    std::list<CannonShots> shots;

private:
    void throwSeed();
    void blast(float flashScale, int particles, float scale);
};
