// An enemy that circles a fixed centre at 4 units a step, spinning; mode 0
// is red and takes 10 hits, mode 1 takes one and shimmers in green and blue.
#pragma once

#include "core/Color.h"
#include "core/ReactsToWeaponOrPlayer.h"

class VectorModel;

class CirculatingEnemy : public ReactsToWeaponOrPlayer {
public:
    // mode: its low bit is the mode; below 2 one draw picks the sense of turn,
    // 2 and 3 always turn the positive way. An orbit radius of 0 stands still
    // at the centre.
    CirculatingEnemy(Coord center, float orbitRadius, float angleDegrees, int mode);

    void update() override;
    void draw() override;
    bool reactToWeapon(PlayerWeapon* weapon) override;
    void reactToCollisionWithPlayerCallback(Entity* player) override;

    Coord center;
    float orbitAngle;
    float angularSpeed;
    float orbitRadius;
    float direction;
    Color color;
    float targetGreen;
    float targetBlue;
    int nextColorChange;
    int mode;
    int life;
    int frameBase;
    int flashUntil;

    static VectorModel* vm;

private:
    void placeOnOrbit();
};
