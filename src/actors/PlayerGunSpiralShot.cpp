// Shoot mode 5: no level selects it; it keeps turning and fires nothing.
#include "actors/PlayerGunSpiralShot.h"

#include "core/Joysticks.h"

PlayerGunSpiralShot::PlayerGunSpiralShot(Player* p) : PlayerGun(p), angle(0.0f), stickAngle(0.0f) {}

void PlayerGunSpiralShot::shoot() {
    angle += 10.0f;
    if (shootStickHeld())
        stickAngle = sticks()->getShootJoystickAngle();
}
