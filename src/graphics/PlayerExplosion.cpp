// Player explosion: grows fast, slows, turns and fades over 51 steps.
#include "graphics/PlayerExplosion.h"

#include <GLES/gl.h>

#include "core/Game.h"
#include "graphics/TexturedExplosionsHandler.h"
#include "graphics/VectorModel.h"

PlayerExplosion::PlayerExplosion(Coord p) : Entity(p, false), colour(1.0f, 0.0f, 0.0f, 1.0f) { init(); }

PlayerExplosion::PlayerExplosion(Coord p, Color c) : Entity(p, false), colour(c) { init(); }

void PlayerExplosion::init() {
    model = VectorModel::loadFromLuaScript("/data/graphics/bombGraphic.lua");
    scale = 0.02f;
    speed = 0.025f;
    alpha = 1.0f;
    angle = 0.0f;
    // From the shared generator: this draw is part of the replayed sequence.
    rotationFactor = (float)((Game::rand() % 600 - 300) / 10.0);
    TexturedExplosionsHandler* flashes = explosions ? explosions : TexturedExplosionsHandler::getInstance();
    flashes->addExplosion(position, colour, 4.0f);
}

void PlayerExplosion::update() {
    float s = speed;
    if (s < 0.0f)
        angle += 4 * s;
    else
        angle += s;
    speed = (float)(s - 0.0005);
    scale += s;
    if (speed <= 0.01f) {
        alpha -= 0.05f;
        colour.a = alpha;
    }
    if (speed <= 0.0f)
        toBeDeleted = true;
}

void PlayerExplosion::draw() {
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    glColor4f(colour.r, colour.g, colour.b, colour.a);
    glScalef(scale, scale, scale);
    glRotatef(rotationFactor * angle, 0.0f, 0.0f, 1.0f);
    if (model)
        model->drawWithoutColor(0);
    glPopMatrix();
}
