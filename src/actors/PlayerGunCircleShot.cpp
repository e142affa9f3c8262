// Shoot mode 3.
#include "actors/PlayerGunCircleShot.h"

void PlayerGunCircleShot::shootWeapon() {
    float a = aim;
    if (toggle)
        a += 5.0f;
    for (int i = 0; i < 360; i++) {
        a += 1.0f;
        fire(origin, SPEED, a, Bullet::BULLET_SHAPE_DEFAULT);
    }
    playSound("/data/sounds/fire_qm2.caf");
    toggle = !toggle;
}
