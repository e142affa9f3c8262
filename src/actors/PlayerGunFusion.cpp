// Shoot mode 8.
#include "actors/PlayerGunFusion.h"

#include <cmath>

#include "actors/FusionBullet2.h"
#include "actors/Player.h"
#include "core/Joysticks.h"

PlayerGunFusion::PlayerGunFusion(Player* p) : PlayerGun(p), counter(0) {}

void PlayerGunFusion::shoot() {
    counter++;
    if (!shootStickHeld())
        return;
    float a = sticks()->getShootJoystickAngle();
    // Across the line of fire: the shots fly at a - 90.
    Coord o;
    o.initFromAngle(toRadians(a), (float)(20.0 + 10.0 * std::cos(counter / 10.0)));
    float aim = a - 90.0f;
    Coord p = Player::getCoord();
    switch (counter % 6) {
    case 0:
        new FusionBullet2(Coord(p.x + o.x, p.y + o.y, p.z), toRadians(aim + 10.0f));
        new FusionBullet2(Coord(p.x - o.x, p.y - o.y, p.z), toRadians(aim - 10.0f));
        break;
    case 3: new FusionBullet2(p, toRadians(aim)); break;
    default: break;
    }
}
