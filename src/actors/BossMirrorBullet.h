// The mirror boss's green bullet: a missile whose bounce turns about the
// normal's opposite in single precision.
#pragma once

#include "actors/Missile.h"

class BossMirrorBullet : public Missile {
public:
    // angle in radians.
    BossMirrorBullet(Coord position, float angle) : Missile(position, angle) {}

protected:
    float bounced(float n) override {
        float m = n + 3.1415927f;
        return m + 3.1415927f - (angle - m);
    }
};
