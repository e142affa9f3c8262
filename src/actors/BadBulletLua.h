// The enemy bullet that level scripts fire, in the script's colour.
#pragma once

#include "actors/BadBullet.h"

class VectorModel;

class BadBulletLua : public BadBullet {
public:
    BadBulletLua(Coord position, float angle, float speed, Color& colour, int tag);
    void draw() override;

    float drawAngle;
    int tag;
    static VectorModel* vm;
};
