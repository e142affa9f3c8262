// An enemy that sleeps until shot, then drifts and fires bursts at the player
// and flies apart to reassemble beyond the player. It only counts its hits;
// the level script decides when it is done. The final boss builds on it.
#pragma once

#include "core/Color.h"
#include "core/ReactsToWeaponOrPlayer.h"

class ExplodingVFAnimation;
class ExplodingVectorFrame;
class VectorModel;

class Teleporter : public ReactsToWeaponOrPlayer {
public:
    explicit Teleporter(Coord position);
    ~Teleporter() override;

    void draw() override;
    void update() override;
    bool isVisible() override { return true; }
    bool reactToWeapon(PlayerWeapon* weapon) override;
    void reactToCollisionWithPlayerCallback(Entity* player) override;

    // Shared with the final boss. While the push lasts the player moves by
    // the push vector, which shrinks by `decay` a step.
    void carryPushedPlayer(float decay);
    // The body (not on the centre, nor while flying or deleted) is put
    // `length` farther from the centre at once, and pushed for 60 steps.
    void pushOnContact(Entity* player, float length);
    // One step of the break-apart animation; the first step that finds it
    // complete ends the flight.
    void advanceBreakApart();

    static float easeInAndOutQuad(float t) { return t < 0.5f ? 2.0f * t * t : 1.0f - 2.0f * (1.0f - t) * (1.0f - t); }

    ExplodingVFAnimation* animation;
    float animationProgress;
    VectorModel* model;
    Coord velocity;
    int flashUntil;
    int state;  // 0 asleep, 1 active, 2 teleporting
    Color hitColor;
    Color normalColor;
    int teleportSteps;
    int bulletsLeft;
    int nextShotTime;
    float attraction;
    int teleportBase;
    int difficulty;  // read once, at construction
    int pushUntil;
    Coord pushVector;

    // Live teleporters and final bosses; only the destructors lower it.
    static int count;
    // The break-apart frame every teleporter and the final boss share; never freed.
    static ExplodingVectorFrame* evf;
};
