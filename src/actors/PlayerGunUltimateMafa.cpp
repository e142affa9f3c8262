// Shoot mode 7.
#include "actors/PlayerGunUltimateMafa.h"

#include "core/Game.h"

void PlayerGunUltimateMafa::shootWeapon() {
    float base = aim;
    // One draw per bullet, each before the bullet is made: a bullet of the
    // random type draws its colour in between.
    for (int i = 0; i < 4; i++) {
        float a = base - 20.0f + (float)(Game::rand() % 41);
        fire(origin, SPEED, a, Bullet::BULLET_SHAPE_THIN);
    }
}
