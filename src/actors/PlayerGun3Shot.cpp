// Shoot mode 2.
#include "actors/PlayerGun3Shot.h"

void PlayerGun3Shot::shootWeapon() {
    if (!toggle) {
        playSound("/data/sounds/fire_qm2.caf");
        fire(origin, SPEED, aim, Bullet::BULLET_SHAPE_WIDE);
        fire(origin, SPEED, aim + 16.0f, Bullet::BULLET_SHAPE_WIDE);
        fire(origin, SPEED, aim - 16.0f, Bullet::BULLET_SHAPE_WIDE);
    } else {
        fire(origin, SPEED, aim + 6.0f, Bullet::BULLET_SHAPE_WIDE);
        fire(origin, SPEED, aim - 6.0f, Bullet::BULLET_SHAPE_WIDE);
    }
    toggle = !toggle;
}
