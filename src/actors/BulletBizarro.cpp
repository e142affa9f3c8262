// Mirror ship bullet: bounces before its deadline, hits targets with a null weapon.
#include "actors/BulletBizarro.h"

#include <GLES/gl.h>

#include <cmath>

#include "actors/EnemyKit.h"
#include "actors/TargetWalk.h"
#include "core/CollisionShape.h"
#include "graphics/VectorModel.h"

VectorModel* BulletBizarro::vm = nullptr;

BulletBizarro::BulletBizarro(Coord p, float s, float a) : ReactsToWeaponOrPlayer(p, false, 20) {
    color = Color(1.0f, 1.0f, 1.0f, 1.0f);
    speed = s;
    velocity = Coord();
    setAngle(a);
    position.x += velocity.x;
    position.y += velocity.y;
    bounceDeadline = time + 80;
    VectorModel::loadFromLuaScriptInStaticVar("/data/graphics/bulletGraphic.lua", &vm);
    color = Color(1.0f, 0.0f, 0.0f, 1.0f);
}

int BulletBizarro::frameOf(float a) {
    int f = ((int)((double)(a * 180.0f) / M_PI) + 180) % 360;
    if (f < 0)
        f += 360;
    return f / 2;
}

void BulletBizarro::setAngle(float a) {
    angle = a;
    frame = frameOf(a);
    velocity = Coord(speed * std::cos(angle), speed * std::sin(angle), 0.0f);
}

void BulletBizarro::update() {
    position.x += velocity.x;
    position.y += velocity.y;
    if (CollisionShape* wall = EnemyKit::wallAt(position)) {
        if ((wall->flags & 2) && bounceDeadline > time) {
            float n = wall->getAngleOfNormal(position);
            wall->projectOnSide(&position);
            setAngle((float)(n + M_PI - (double)(angle - n)));
            return;
        }
        wall->projectOnSide(&position);
        toBeDeleted = true;
        EnemyKit::burst(position, color, color, 6, 1.0f);
        EnemyKit::flash(position, color, 1.0f);
        return;
    }
    bool hit = forEachTargetAt(position, 0, [](ReactsToWeaponOrPlayer* t) { return t->reactToWeapon(nullptr); });
    if (hit) {
        EnemyKit::burst(position, color, color, 6, 1.0f);
        toBeDeleted = true;
    }
}

void BulletBizarro::draw() {
    glColor4f(color.r, color.g, color.b, color.a);
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    vm->drawWithoutColor(frame);
    glPopMatrix();
}

bool BulletBizarro::reactToWeapon(PlayerWeapon*) { return false; }

void BulletBizarro::reactToCollisionWithPlayerCallback(Entity*) {
    if (toBeDeleted)
        return;
    toBeDeleted = true;
    EnemyKit::burst(position, color, color, 30, 1.0f);
    EnemyKit::message(position, "OUCH", color);
    EnemyKit::flash(position, color, 3.0f);
    EnemyKit::hitPlayer(1);
}
