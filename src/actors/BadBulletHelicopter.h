// The blue enemy bullet of the teleporter and the helicopter.
#pragma once

#include "actors/BadBullet.h"

class VectorModel;

class BadBulletHelicopter : public BadBullet {
public:
    BadBulletHelicopter(Coord position, float angle, float speed);
    BadBulletHelicopter(Coord position, float angle);
    void draw() override;

    float drawAngle;
    static VectorModel* vm;
};
