// A bullet whose heading keeps turning, less and less: the model-8 defence shot.
#pragma once

#include "actors/Bullet.h"

class SpiralBullet : public Bullet {
public:
    SpiralBullet(Coord p, float speed, float angle, int type, BULLET_SHAPES shape);

    void update() override;

    // Radians per step, 0.2 at first, times 0.97 after each turn.
    float spin;

private:
    static VectorModel* models[3];
};
