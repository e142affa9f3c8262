// The model-8 defence burst.
#include "actors/PlayerGunDefenseSpiralShot.h"

#include <cmath>

#include "actors/Player.h"
#include "actors/SpiralBullet.h"

void PlayerGunDefenseSpiralShot::shoot(int n) {
    int h = n / 2;
    if (h > 0) {
        float step = (float)(2.0 * M_PI / h);
        float a = 0.0f;
        Coord origin = Player::getCoord();
        for (int i = 0; i < h; i++) {
            new SpiralBullet(origin, 10.0f, a, player->bulletType, Bullet::BULLET_SHAPE_THIN);
            new Bullet(origin, 13.0f, a, player->bulletType, Bullet::BULLET_SHAPE_THIN);
            a += step;
        }
    }
    playSound("/data/sounds/fire_qm2.caf");
}
