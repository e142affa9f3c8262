// Ship model 10.
#include "actors/PlayerUltimateShip.h"

#include <GLES/gl.h>

#include "core/Joysticks.h"
#include "core/PlayContext.h"
#include "graphics/VectorModel.h"

PlayerUltimateShip::PlayerUltimateShip() : PlayerShip(20), spin(0.0f) {
    graphic = VectorModel::loadFromLuaScript("/data/graphics/ultimateShip.lua");
}

void PlayerUltimateShip::update() {
    float v = (float)(PlayContext::getJoysticks()->getMoveJoystickNorm() * 0.2);
    if (v > 40.0f)
        v = 40.0f;
    if (v < 2.0f)
        v = 2.0f;
    spin += v;
}

void PlayerUltimateShip::drawFrames(bool withColors) {
    if (withColors)
        graphic->draw(1);
    else
        graphic->drawWithoutColor(1);
    glPushMatrix();
    glRotatef(spin, 1.0f, 0.0f, 0.0f);
    if (withColors)
        graphic->draw(0);
    else
        graphic->drawWithoutColor(0);
    glPopMatrix();
}

void PlayerUltimateShip::draw() { drawFrames(true); }

void PlayerUltimateShip::drawWithoutColor() { drawFrames(false); }
