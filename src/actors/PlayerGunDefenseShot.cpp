// The defence burst.
#include "actors/PlayerGunDefenseShot.h"

#include <cmath>

#include "actors/Player.h"

void PlayerGunDefenseShot::shoot(int n) {
    if (n > 0) {
        float step = (float)(2.0 * M_PI / n);
        float a = 0.0f;
        Coord origin = Player::getCoord();
        for (int i = 0; i < n; i++) {
            new Bullet(origin, 18.0f, a, player->bulletType, Bullet::BULLET_SHAPE_THIN);
            a += step;
        }
    }
    playSound("/data/sounds/fire_qm2.caf");
}
