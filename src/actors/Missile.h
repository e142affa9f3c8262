// A green shot that flies straight at 4 units a step, bounces once off a
// bouncing wall and ends at the next wall or on the ship. Nothing makes a
// bare one at present; the mirror boss's bullets are missiles.
#pragma once

#include "core/Color.h"
#include "core/ReactsToWeaponOrPlayer.h"

class VectorModel;

class Missile : public ReactsToWeaponOrPlayer {
public:
    // angle in radians.
    Missile(Coord position, float angle);

    // Sets the angle, the drawing angle and the velocity together.
    void setAngle(float angle);

    void update() override;
    void draw() override;
    // Shots pass through it.
    bool reactToWeapon(PlayerWeapon* weapon) override;
    void reactToCollisionWithPlayerCallback(Entity* player) override;

    float angle;
    float drawAngle;
    Coord velocity;
    VectorModel* model;
    Color color;
    int bouncesLeft;

protected:
    // The direction after a bounce off a wall whose normal is n (radians).
    virtual float bounced(float n);
};
