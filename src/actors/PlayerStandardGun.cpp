// The fire gate of the fixed-rate guns.
#include "actors/PlayerStandardGun.h"

#include "actors/Player.h"
#include "core/Joysticks.h"

const float PlayerStandardGun::SPEED = 18.0f;

PlayerStandardGun::PlayerStandardGun(Player* p)
    : PlayerGun(p), nextShotTime(0), toggle(false), aim(0.0f), bulletType(0), origin() {}

void PlayerStandardGun::shoot() {
    if (nextShotTime >= Entity::time)
        return;
    if (!shootStickHeld())
        return;
    aim = sticks()->getShootJoystickAngle() - 90.0f;
    origin = Player::getCoord();
    bulletType = player->bulletType;
    shootWeapon();
    nextShotTime = Entity::time + 3;
}
