// A steerable fusion shot with a drifting trail; nothing in the game makes one.
#pragma once

#include "actors/PlayerWeapon.h"
#include "core/Entity.h"

class VectorModel;

class FusionBullet : public Entity, public PlayerWeapon {
public:
    // angle in radians.
    FusionBullet(Coord p, float angle);

    void draw() override;
    void update() override;

    static const int TRAIL = 10;

    float heading;  // radians
    float drawAngle;
    float roll;
    float trail[TRAIL * 2];
    float drift[TRAIL * 2];
    int nextTrailPoint;

private:
    static VectorModel* model;
};
