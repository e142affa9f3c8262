// Blue enemy bullets.
#include "actors/BadBulletHelicopter.h"

#include <GLES/gl.h>

#include "graphics/VectorModel.h"

VectorModel* BadBulletHelicopter::vm = nullptr;

BadBulletHelicopter::BadBulletHelicopter(Coord p, float a, float s)
    : BadBullet(p, a, s, Color(0.1f, 0.5f, 1.0f, 1.0f)), drawAngle(a) {
    VectorModel::loadFromLuaScriptInStaticVar("/data/graphics/luaBulletsGraphic.lua", &vm);
}

BadBulletHelicopter::BadBulletHelicopter(Coord p, float a) : BadBulletHelicopter(p, a, 2.0f) {}

void BadBulletHelicopter::draw() {
    beginDraw();
    glRotatef(drawAngle, 0.0f, 0.0f, 1.0f);
    glColor4f(colour.r, colour.g, colour.b, colour.a);
    vm->drawWithoutColor(0);
    glPopMatrix();
}
