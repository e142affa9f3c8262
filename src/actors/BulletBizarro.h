// The mirror ship's red bullet: it hurts the player like an enemy bullet and
// every other target like a player shot (with a null weapon).
#pragma once

#include "core/Color.h"
#include "core/ReactsToWeaponOrPlayer.h"

class VectorModel;

class BulletBizarro : public ReactsToWeaponOrPlayer {
public:
    // angle in radians; the bullet starts one step ahead of the position.
    BulletBizarro(Coord position, float speed, float angle);

    void setAngle(float angle);
    float getAngle() const { return angle; }
    // The bullet graphic's frame for an angle: 0 to 179, 2 degrees apart.
    static int frameOf(float angle);

    void update() override;
    void draw() override;
    bool isVisible() override { return calculateIfIsVisible(); }
    bool reactToWeapon(PlayerWeapon* weapon) override;
    void reactToCollisionWithPlayerCallback(Entity* player) override;

    float speed;
    float angle;
    int frame;
    int bounceDeadline;
    Color color;
    Coord velocity;

    static VectorModel* vm;
};
