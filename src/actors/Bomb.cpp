// Bomb: one degree a step, drawn at a tenth of its graphic.
#include "actors/Bomb.h"

#include <GLES/gl.h>

#include "graphics/VectorModel.h"

Bomb::Bomb(Coord p) : Entity(Coord(p.x, p.y, 0.0f), false), angle(0.0f) {
    model = VectorModel::loadFromLuaScript("/data/graphics/playerBombGraphic.lua");
}

void Bomb::draw() {
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    glRotatef(angle, 0.0f, 0.0f, 1.0f);
    glScalef(0.1f, 0.1f, 0.08f);
    model->draw(0);
    glPopMatrix();
}
