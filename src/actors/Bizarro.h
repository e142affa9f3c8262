// The mirror ship: an invulnerable copy of the player's ship at the player's
// point mirror image through a fixed centre, firing the opposite way while
// the player holds the shoot stick.
#pragma once

#include "core/ReactsToWeaponOrPlayer.h"

class VectorModel;

class Bizarro : public ReactsToWeaponOrPlayer {
public:
    explicit Bizarro(Coord centre);

    void update() override;
    void draw() override;
    // Shots pass through it; touching it does nothing.
    bool reactToWeapon(PlayerWeapon* weapon) override;
    void reactToCollisionWithPlayerCallback(Entity* player) override;

    // The frame drawn: the player's ship model, or model 0's frame for a
    // model without one (such as 10).
    int shownFrame() const { return frame >= 0 && frame < SHIP_FRAMES ? frame : 0; }

    float heading;
    VectorModel* model;
    Coord centre;
    int frame;
    bool fireToggle;
    int nextShotTime;

    // Read by scripts as "bizarroHits"; nothing but the constructor sets it.
    static int hitCount;
    // The ship graphic has one frame per model 0 to 8.
    static const int SHIP_FRAMES = 9;
};
