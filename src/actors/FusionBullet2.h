// The fusion gun's heavy shot: straight, rolling, never bouncing.
#pragma once

#include "actors/PlayerWeapon.h"
#include "core/Color.h"
#include "core/Entity.h"

class VectorModel;

class FusionBullet2 : public Entity, public PlayerWeapon {
public:
    // angle in radians.
    FusionBullet2(Coord p, float angle);

    void draw() override;
    void update() override;

    static const Color yellow;
    static const Color yellowAlpha100;

    float drawAngle;
    float roll;

private:
    static VectorModel* model;
};
