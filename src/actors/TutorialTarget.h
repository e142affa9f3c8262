// The tutorial's practice box: a tumbling yellow cube that cannot be
// destroyed, counts every hit and flashes blue after each.
#pragma once

#include "core/Color.h"
#include "core/ReactsToWeaponOrPlayer.h"

class VectorModel;

class TutorialTarget : public ReactsToWeaponOrPlayer {
public:
    // Three draws from the shared generator (the tumbling axis).
    explicit TutorialTarget(Coord position);

    void update() override;
    void draw() override;
    bool reactToWeapon(PlayerWeapon* weapon) override;
    void reactToCollisionWithPlayerCallback(Entity* player) override;

    VectorModel* model;
    Color normalColor;
    Color flashColor;
    int flashUntil;
    bool wasHit;
    float axis[3];
};
