// An enemy bullet: flies straight, bursts on the first wall it enters, costs
// the player one hit, and only the ram destroys it.
#pragma once

#include "core/Color.h"
#include "core/ReactsToWeaponOrPlayer.h"

class BadBullet : public ReactsToWeaponOrPlayer {
public:
    // The angle in degrees; the bullet flies twice the speed argument per step.
    BadBullet(Coord position, float angle, float speed, Color colour);
    ~BadBullet() override {}

    void update() override;
    bool isVisible() override { return calculateIfIsVisible(); }
    // Wraps only during the first 160 steps; later a wrap deletes the bullet.
    void teleport(float x, float y) override;
    bool reactToWeapon(PlayerWeapon* weapon) override;
    void reactToCollisionWithPlayerCallback(Entity* player) override;

    int teleportDeadline;
    float angle;
    float speed;
    Color colour;
    Coord velocity;

protected:
    // Push, translate, set the colour; the subclass turns and draws, then pops.
    void beginDraw();
};
