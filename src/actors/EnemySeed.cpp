// Enemy seed: straight flight, hatching where it meets a wall.
#include "actors/EnemySeed.h"

#include <GLES/gl.h>

#include <cmath>

#include "actors/Dodger.h"
#include "actors/EnemyKit.h"
#include "actors/MotherShip.h"
#include "actors/RollingCube.h"
#include "actors/Sucider.h"
#include "core/CollisionShape.h"
#include "graphics/VectorModel.h"

VectorModel* EnemySeed::vm = nullptr;

EnemySeed::EnemySeed(Coord p, float a, EnemySeed::Type t)
    : ReactsToWeaponOrPlayer(p, true, 0), angle(a), type((int)t), frame(16) {
    float r = a * 3.1415927f / 180.0f;
    velocity = Coord(10.0f * std::cos(r), 10.0f * std::sin(r), 0.0f);
    int radiusByType;
    switch (type) {
    case DODGER:
        color.init(1.0f, 0.3f, 0.0f);
        radiusByType = 18;
        break;
    case SUCIDER:
        color.init(0.0f, 1.0f, 1.0f);
        radiusByType = 14;
        break;
    case ROLLING_CUBE:
        color.init(1.0f, 1.0f, 0.0f);
        radiusByType = 13;
        break;
    default:
        color.init(0.0f, 1.0f, 0.0f);
        radiusByType = 20;
        break;
    }
    setRadius(radiusByType);
    scale = radiusF * 0.05f;
    VectorModel::loadFromLuaScriptInStaticVar("/data/graphics/circulatingEnemyGraphic.lua", &vm);
}

void EnemySeed::update() {
    position.x += velocity.x;
    position.y += velocity.y;
    if (++frame > 31)
        frame = 16;
    CollisionShape* wall = EnemyKit::wallAt(position);
    if (!wall)
        return;
    wall->projectOnSide(&position);
    toBeDeleted = true;
    spawnEnemy();
}

void EnemySeed::spawnEnemy() {
    Coord p = position;
    EnemyKit::burst(p, color, color, 20, 1.0f);
    switch (type) {
    case DODGER: new Dodger(p, 2.0f, false); break;
    case SUCIDER: new Sucider(p, angle + 180.0f, Sucider::SMALL, true); break;
    case MOTHER_SHIP:
        new MotherShip(Coord(p.x - 10.0f * velocity.x, p.y - 10.0f * velocity.y, 0.0f), 90.0f, angle + 180.0f, true);
        break;
    case ROLLING_CUBE: new RollingCube(p, 6, 0); break;
    default: break;
    }
}

void EnemySeed::draw() {
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    glRotatef(angle, 0.0f, 0.0f, 1.0f);
    glScalef(scale, scale, scale);
    EnemyKit::drawFlat(vm, frame, color);
    glPopMatrix();
}

void EnemySeed::shatter() {
    toBeDeleted = true;
    EnemyKit::flash(position, color, 1.0f);
    EnemyKit::burst(position, color, color, 20, 1.0f);
}

bool EnemySeed::reactToWeapon(PlayerWeapon*) {
    if (toBeDeleted)
        return false;
    shatter();
    return true;
}

void EnemySeed::reactToCollisionWithPlayerCallback(Entity*) {
    if (toBeDeleted)
        return;
    EnemyKit::hitPlayer(1);
    shatter();
}
