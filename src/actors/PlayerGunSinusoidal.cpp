// Shoot mode 4.
#include "actors/PlayerGunSinusoidal.h"

#include <cmath>

#include "actors/Player.h"
#include "core/Joysticks.h"

PlayerGunSinusoidal::PlayerGunSinusoidal(Player* p) : PlayerGun(p), toggle(true), phase(0.0f) {}

void PlayerGunSinusoidal::shoot() {
    toggle = !toggle;
    if (toggle)
        return;
    if (!shootStickHeld())
        return;
    phase = (float)(phase + 0.2);
    float a = sticks()->getShootJoystickAngle();
    float d = std::cos(phase) * 40.0f;
    playSound("/data/sounds/fire_qm2.caf");
    Coord origin = Player::getCoord();
    fire(origin, 18.0f, (a - 90.0f) + d, Bullet::BULLET_SHAPE_THIN);
    fire(origin, 18.0f, (a - 90.0f) - d, Bullet::BULLET_SHAPE_THIN);
}
