// An enemy that flies straight at constant speed and bounces off every wall;
// a small integer kind sets its toughness, size and look.
#pragma once

#include "core/ReactsToWeaponOrPlayer.h"

class VectorModel;

class BackAndForth : public ReactsToWeaponOrPlayer {
public:
    // The angle in degrees.
    BackAndForth(Coord position, float angle, int kind, float speed);
    ~BackAndForth() override;

    void setAngle(float angle);

    void draw() override;
    void update() override;
    bool reactToWeapon(PlayerWeapon* weapon) override;
    void reactToCollisionWithPlayerCallback(Entity* player) override;

    Coord velocity;
    Coord lookAhead;
    float angle;
    float drawAngle;
    bool appearing;
    int appearEndTime;
    int life;
    int flashUntil;
    float speed;
    int frame;
    int kind;
    bool halfSize;

    static VectorModel* vm;
    // Live objects of this class and of MulticolorBAF together.
    static int count;
};
