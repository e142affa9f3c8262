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

    // The step both fusion shots share: roll, fly, then hit the first target
    // where the shot is, or burst on a wall; either ends the shot.
    static void rollFlyAndHit(Entity* shot, PlayerWeapon* weapon, float* roll);

    float drawAngle;
    float roll;

private:
    static VectorModel* model;
};
