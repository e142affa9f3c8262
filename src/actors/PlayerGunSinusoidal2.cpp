// Shoot mode 6.
#include "actors/PlayerGunSinusoidal2.h"

#include <cmath>

#include "actors/Player.h"
#include "core/Joysticks.h"

PlayerGunSinusoidal2::PlayerGunSinusoidal2(Player* p) : PlayerGun(p), counter(0), phase(0.0f) {}

void PlayerGunSinusoidal2::shoot() {
    counter++;
    if (counter > 2)
        counter = 0;
    if (!shootStickHeld())
        return;
    phase = (float)(phase + 0.1);
    float a = sticks()->getShootJoystickAngle();
    float d;
    if (counter == 0) {
        playSound("/data/sounds/fire_qm2.caf");
        d = 30.0f * std::cos(phase);
    } else if (counter == 1) {
        d = (float)(30.0 * std::cos(phase + 2.0943951));
    } else {
        d = (float)(30.0 * std::cos(phase - 2.0943951));
    }
    fire(Player::getCoord(), 18.0f, (a - 90.0f) + d, Bullet::BULLET_SHAPE_DEFAULT);
}
