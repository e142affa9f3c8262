// The spiralling defence shot.
#include "actors/SpiralBullet.h"

VectorModel* SpiralBullet::models[3] = {nullptr, nullptr, nullptr};

SpiralBullet::SpiralBullet(Coord p, float speed_, float angle_, int type_, BULLET_SHAPES shape)
    : Bullet(p, speed_, angle_, type_, shape), spin(0.2f) {
    model = shapeModel(shape, models);
}

void SpiralBullet::update() {
    if (!fly())
        return;
    setAngle(angle + spin);
    spin = (float)(spin * 0.97);
}
