// Brownian enemy: random runs, colour-matched kills, knocks from other colours.
#include "actors/Brownian.h"

#include <GLES/gl.h>

#include <cstdlib>

#include "actors/EnemyKit.h"
#include "actors/Player.h"
#include "actors/PlayerWeapon.h"
#include "core/Game.h"
#include "graphics/VectorModel.h"

VectorModel* Brownian::vm = nullptr;
int Brownian::count = 0;
float Brownian::speedDivisor = 15.0f;

static void resetBrownian() {
    Brownian::count = 0;
    Brownian::speedDivisor = 30.0f;
}

// Registered before any game starts, so that the first game's reset sets the
// divisor as every later one does (a replay starts with its game's value).
[[maybe_unused]] static const bool resetRegistered = (Entity::addResetHook(resetBrownian), true);

void Brownian::setSpeedDivisor(float divisor) {
    if (divisor != 0.0f)
        speedDivisor = divisor;
}

int Brownian::addValueToCounter(int value) {
    count += value;
    return count;
}

Brownian::Brownian(Coord p, int t) : ReactsToWeaponOrPlayer(p, true, 25), velocity(), type(t), colorType(-1), angle(0) {
    VectorModel::loadFromLuaScriptInStaticVar("/data/graphics/brownianGraphic.lua", &vm);
    nextChange = time - 1;
    switch (type) {
    case 0:
        color.initWithInt(255, 10, 10);
        colorType = 0;
        break;
    case 1:
        color.initWithInt(2, 255, 40);
        colorType = 1;
        break;
    case 2:
        color.initWithInt(20, 80, 255);
        colorType = 2;
        break;
    case 3:
        color.init(1.0f, 1.0f, 0.0f);
        colorType = 3;
        break;
    case 4:
        color.init(1.0f, 0.0f, 0.0f);
        colorType = 0;
        break;
    default: break;
    }
    color.a = 1.0f;
    spin = Game::rand() % 9 - 4;
    appearing = true;
    appearingUntil = time + 40;
    count++;
    // Drawing only: the C library's generator, outside the replay.
    for (float& a : axis)
        a = (float)((std::rand() % 200) / 100.0 - 100.0);
}

Brownian::~Brownian() { count--; }

void Brownian::update() {
    if (appearing) {
        position.x += velocity.x;
        position.y += velocity.y;
        if (time == appearingUntil)
            appearing = false;
    } else if (EnemyKit::passed(nextChange)) {
        nextChange = time + 60 + Game::rand() % 40;
        velocity.x = (float)(Game::rand() % 101 - 50);
        velocity.z = 0.0f;
        velocity.y = (float)(Game::rand() % 101 - 50);
        if (type < 3) {
            Coord ship = Player::getCoord();
            velocity.x += (ship.x - position.x) * 0.14285715f;
            velocity.y += (ship.y - position.y) * 0.14285715f;
        }
        float k = 1.0f / speedDivisor;
        velocity.x *= k;
        velocity.y *= k;
        spin = Game::rand() % 9 - 4;
    }
    position.x += velocity.x;
    position.y += velocity.y;
    angle += spin;
}

void Brownian::destroy(const char* sound) {
    EnemyKit::flash(position, color, 1.0f);
    EnemyKit::burst(position, color, color, 20, 1.0f);
    toBeDeleted = true;
    EnemyKit::sound(sound, position);
}

bool Brownian::reactToWeapon(PlayerWeapon* weapon) {
    if (!weapon)
        return false;
    if (weapon->getCanBeCastIn() != PlayerWeapon::KIND_BULLET) {
        destroy("/data/sounds/cling.caf");
        return true;
    }
    if ((int)weapon->getColorType() == colorType && !toBeDeleted && !appearing) {
        destroy("/data/sounds/cling_long.caf");
        return true;
    }
    Coord v = weapon->getV();
    velocity = Coord(0.2f * v.x, 0.2f * v.y, 0.0f);
    nextChange += 30;
    EnemyKit::sound("/data/sounds/cling.caf", position);
    return true;
}

void Brownian::reactToCollisionWithPlayerCallback(Entity*) {
    if (toBeDeleted || appearing)
        return;
    toBeDeleted = true;
    EnemyKit::sound("/data/sounds/cling_long.caf", position);
    EnemyKit::burst(position, color, color, 20, 1.0f);
    EnemyKit::flash(position, color, 3.0f);
    if (type < 3)
        EnemyKit::hurtPlayer(1, "ouch", color, position);
}

void Brownian::draw() {
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    glRotatef((float)angle, axis[0], axis[1], axis[2]);
    EnemyKit::drawFlat(vm, 0, appearing ? Color(1.0f, 1.0f, 1.0f, 1.0f) : color);
    glPopMatrix();
}
