// What every gun shares: sound gate, bullets of the player's type, the stick.
#include "actors/PlayerGun.h"

#include <cmath>

#include "actors/Player.h"
#include "core/Device.h"
#include "core/Joysticks.h"
#include "core/PlayContext.h"
#include "graphics/SoundManager.h"

PlayerGun::PlayerGun(Player* p) : player(p) {
    soundsOn = !(PlayContext::shootingSoundsMuted && PlayContext::shootingSoundsMuted()) && Device::canPlaySoundEffects;
}

void PlayerGun::playSound(const char* name) {
    if (soundsOn)
        SoundManager::getInstance()->playSound(name);
}

float PlayerGun::toRadians(float degrees) { return (float)(degrees * M_PI / 180.0); }

Bullet* PlayerGun::fire(Coord origin, float speed, float degrees, Bullet::BULLET_SHAPES shape) {
    return new Bullet(origin, speed, toRadians(degrees), player->bulletType, shape);
}

Joysticks* PlayerGun::sticks() { return PlayContext::getJoysticks(); }

bool PlayerGun::shootStickHeld() { return (double)sticks()->getShootJoystickNorm() > 0.1; }
