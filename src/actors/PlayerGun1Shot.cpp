// Shoot mode 0.
#include "actors/PlayerGun1Shot.h"

void PlayerGun1Shot::shootWeapon() {
    if (toggle) {
        fire(origin, SPEED, aim + 3.0f, Bullet::BULLET_SHAPE_DEFAULT);
        playSound("/data/sounds/fire_qm.caf");
    }
    toggle = !toggle;
}
