// Circulating enemy: the orbit, the shimmer of mode 1, hits and contact.
#include "actors/CirculatingEnemy.h"

#include <GLES/gl.h>

#include <cmath>

#include "actors/EnemyKit.h"
#include "core/Game.h"
#include "graphics/VectorModel.h"

VectorModel* CirculatingEnemy::vm = nullptr;

// Nine low bits of a draw as a channel value: 0 to 511/512.
static float channelOf(int draw) { return (float)(draw & 511) / 512.0f; }

// Moves a channel 0.05 toward its target.
static float toward(float value, float target) { return target < value ? value - 0.05f : value + 0.05f; }

CirculatingEnemy::CirculatingEnemy(Coord c, float radius, float angleDegrees, int m)
    : ReactsToWeaponOrPlayer(Coord(0.0f, 0.0f, 0.0f), false, 35), center(c), orbitRadius(radius), direction(1.0f),
      targetGreen(0.0f), targetBlue(0.0f) {
    mode = m & 1;
    // A radius of 0 would give an infinite angular speed: it sits still instead.
    angularSpeed = radius != 0.0f ? 4.0f / radius : 0.0f;
    orbitAngle = angleDegrees * 3.1415927f / 180.0f;
    if (m < 2 && (Game::rand() & 1) == 0) {
        direction = -1.0f;
        angularSpeed = -angularSpeed;
    }
    VectorModel::loadFromLuaScriptInStaticVar("/data/graphics/circulatingEnemyGraphic.lua", &vm);
    placeOnOrbit();
    life = mode == 0 ? 10 : 1;
    color = mode == 0 ? Color(1.0f, 0.0f, 0.0f, 1.0f) : Color(0.0f, 0.0f, 0.0f, 1.0f);
    flashUntil = nextColorChange = 0;
    frameBase = mode * 16;
}

void CirculatingEnemy::placeOnOrbit() {
    Coord offset;
    offset.initFromAngle(orbitAngle, orbitRadius);
    position = Coord(center.x + offset.x, center.y + offset.y, center.z + offset.z);
}

void CirculatingEnemy::update() {
    orbitAngle += angularSpeed;
    placeOnOrbit();
    if (mode != 1)
        return;
    if (EnemyKit::passed(nextColorChange)) {
        nextColorChange = time + Game::rand() % 20;
        targetGreen = channelOf(Game::rand()) + 0.05f;
        targetBlue = channelOf(Game::rand()) + 0.05f;
    }
    color.g = toward(color.g, targetGreen);
    color.b = toward(color.b, targetBlue);
}

bool CirculatingEnemy::reactToWeapon(PlayerWeapon*) {
    life--;
    flashUntil = time + 2;
    if (life != 0)
        return true;
    toBeDeleted = true;
    EnemyKit::flash(position, color, 3.0f);
    if (mode == 1) {
        EnemyKit::burst(position, color, color, 20, 1.5f);
    } else {
        EnemyKit::burst(position, color, color, 40, 1.5f);
        EnemyKit::sound("/data/sounds/orbit1.caf", position);
    }
    return true;
}

void CirculatingEnemy::reactToCollisionWithPlayerCallback(Entity*) {
    toBeDeleted = true;
    float g = channelOf(Game::rand());
    float b = channelOf(Game::rand());
    EnemyKit::burst(position, color, Color(0.0f, g, b), 70, 1.5f);
    EnemyKit::flash(position, color, 2.0f);
    EnemyKit::flash(position, color, 4.0f);
    EnemyKit::hitPlayer(1);
}

void CirculatingEnemy::draw() {
    const Color shown = EnemyKit::before(flashUntil) ? Color(1.0f, 1.0f, 1.0f, 1.0f) : color;
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    glRotatef(orbitAngle * 180.0f / 3.1415927f + 90.0f, 0.0f, 0.0f, 1.0f);
    EnemyKit::drawFlat(vm, time % 16 + frameBase, shown);
    glPopMatrix();
}
