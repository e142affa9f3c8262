// Shoot mode 1.
#include "actors/PlayerGun2Shot.h"

void PlayerGun2Shot::shootWeapon() {
    if (!toggle) {
        fire(origin, SPEED, aim, Bullet::BULLET_SHAPE_DEFAULT);
    } else {
        fire(origin, SPEED, aim + 6.0f, Bullet::BULLET_SHAPE_DEFAULT);
        playSound("/data/sounds/fire_qm.caf");
        fire(origin, SPEED, aim - 6.0f, Bullet::BULLET_SHAPE_DEFAULT);
    }
    toggle = !toggle;
}
