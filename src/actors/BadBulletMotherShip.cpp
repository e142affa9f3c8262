// Spinning enemy bullets of the mother ship.
#include "actors/BadBulletMotherShip.h"

#include <GLES/gl.h>

#include "core/Game.h"
#include "graphics/VectorModel.h"

VectorModel* BadBulletMotherShip::vm = nullptr;

static float axisComponent() { return (float)((Game::rand() % 201 - 100) / 100.0); }

BadBulletMotherShip::BadBulletMotherShip(Coord p, float a, float s, Color& c) : BadBullet(p, a, s, c) {
    VectorModel::loadFromLuaScriptInStaticVar("/data/graphics/badBulletGraphic.lua", &vm);
    axis[0] = axisComponent();
    axis[1] = axisComponent();
    axis[2] = axisComponent();
    rotation = (float)(Game::rand() % 20);
}

void BadBulletMotherShip::update() {
    rotation += 10.0f;
    BadBullet::update();
}

void BadBulletMotherShip::draw() {
    beginDraw();
    // GL leaves a rotation about the zero axis undefined: such a bullet is
    // drawn unturned (its four draws were made all the same).
    if (axis[0] != 0.0f || axis[1] != 0.0f || axis[2] != 0.0f)
        glRotatef(rotation, axis[0], axis[1], axis[2]);
    glColor4f(colour.r, colour.g, colour.b, colour.a);
    vm->drawWithoutColor(0);
    glPopMatrix();
}
