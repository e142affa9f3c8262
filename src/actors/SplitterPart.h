// One of the five parts of a dead splitter: it circles its own centre, which
// creeps toward the player one unit every six steps.
#pragma once

#include "core/Color.h"
#include "core/ReactsToWeaponOrPlayer.h"

class VectorModel;

class SplitterPart : public ReactsToWeaponOrPlayer {
public:
    // One draw from the shared generator (the creeping phase).
    SplitterPart(Coord position, float angle);
    ~SplitterPart() override;

    void draw() override;
    void update() override;
    bool reactToWeapon(PlayerWeapon* weapon) override;
    void reactToCollisionWithPlayerCallback(Entity* player) override;

    float turnRate;
    Coord centre;
    Color color;
    int life;
    float angle;
    int homingCounter;

    static int count;
    static VectorModel* vm;
};
