// Missile: straight flight, one bounce, an end at the next wall.
#include "actors/Missile.h"

#include <GLES/gl.h>

#include <cmath>

#include "actors/EnemyKit.h"
#include "core/CollisionShape.h"
#include "graphics/VectorModel.h"

Missile::Missile(Coord p, float a)
    : ReactsToWeaponOrPlayer(p, false, 25), angle(0.0f), drawAngle(0.0f), velocity(), color(0.0f, 1.0f, 0.0f, 1.0f),
      bouncesLeft(1) {
    model = VectorModel::loadFromLuaScript("/data/graphics/bossMirrorBulletGraphic.lua");
    setAngle(a);
}

void Missile::setAngle(float a) {
    angle = a;
    drawAngle = (float)((double)(180.0f * angle) / M_PI);
    velocity = Coord(4.0f * std::cos(angle), 4.0f * std::sin(angle), 0.0f);
}

float Missile::bounced(float n) {
    float m = (float)(n + M_PI);
    return (float)(m + M_PI - (double)(angle - m));
}

void Missile::update() {
    position.x += velocity.x;
    position.y += velocity.y;
    CollisionShape* wall = EnemyKit::wallAt(position);
    if (!wall)
        return;
    if ((wall->flags & 2) && bouncesLeft > 0) {
        bouncesLeft--;
        float n = wall->getAngleOfNormal(position);
        wall->projectOnSide(&position);
        setAngle(bounced(n));
        return;
    }
    wall->projectOnSide(&position);
    toBeDeleted = true;
    EnemyKit::burst(position, color, color, 6, 1.0f);
    EnemyKit::flash(position, color, 2.0f);
}

void Missile::draw() {
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    glRotatef(drawAngle, 0.0f, 0.0f, 1.0f);
    EnemyKit::drawFlat(model, 0, color);
    glPopMatrix();
}

bool Missile::reactToWeapon(PlayerWeapon*) { return false; }

void Missile::reactToCollisionWithPlayerCallback(Entity*) {
    EnemyKit::burst(position, color, color, 30, 1.0f);
    EnemyKit::flash(position, color, 3.0f);
    EnemyKit::hitPlayer(1);
    toBeDeleted = true;
}
