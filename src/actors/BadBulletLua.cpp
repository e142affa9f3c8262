// Script-fired enemy bullets.
#include "actors/BadBulletLua.h"

#include <GLES/gl.h>

#include "graphics/VectorModel.h"

VectorModel* BadBulletLua::vm = nullptr;

BadBulletLua::BadBulletLua(Coord p, float a, float s, Color& c, int t) : BadBullet(p, a, s, c), drawAngle(a), tag(t) {
    VectorModel::loadFromLuaScriptInStaticVar("/data/graphics/luaBulletsGraphic.lua", &vm);
}

void BadBulletLua::draw() {
    beginDraw();
    glRotatef(drawAngle, 0.0f, 0.0f, 1.0f);
    glColor4f(colour.r, colour.g, colour.b, colour.a);
    vm->drawWithoutColor(0);
    glPopMatrix();
}
