// An enemy that hovers at a distance of its own from the ship (or the ally),
// drifts around it, turns back before walls and fires bursts of three shots.
#pragma once

#include "core/ReactsToWeaponOrPlayer.h"

class VectorModel;

class Helicopter : public ReactsToWeaponOrPlayer {
public:
    // Four draws from the shared generator, five when the player has an ally.
    explicit Helicopter(Coord position);
    ~Helicopter() override;

    void update() override;
    void draw() override;
    bool reactToWeapon(PlayerWeapon* weapon) override;
    void reactToCollisionWithPlayerCallback(Entity* player) override;

    VectorModel* bodyModel;
    VectorModel* propellerModel;
    // Chases the ally while it exists; the ally's address is never kept.
    bool aimAtAlly;
    bool side;
    float angle;
    float propellerAngle;
    float keepDistanceSquared;
    int flashUntil;
    float sideSpeed;
    int nextShotTime;
    int shotsLeftInBurst;

    static int count;
};
