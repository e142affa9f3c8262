// The mother ship's enemy bullet, spinning about a random axis.
#pragma once

#include "actors/BadBullet.h"

class VectorModel;

class BadBulletMotherShip : public BadBullet {
public:
    // Four draws from the shared generator: the axis (x, y, z), then the start angle.
    BadBulletMotherShip(Coord position, float angle, float speed, Color& colour);
    void update() override;
    void draw() override;

    float axis[3];
    float rotation;
    static VectorModel* vm;
};
