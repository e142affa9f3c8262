// Ship models 0 to 8.
#include "actors/PlayerNonAnimatedShip.h"

#include "graphics/VectorModel.h"

PlayerNonAnimatedShip::PlayerNonAnimatedShip(int model) : PlayerShip(0), frame(model) {
    graphic = VectorModel::loadFromLuaScript("/data/graphics/shipGraphic.lua");
}

void PlayerNonAnimatedShip::draw() { graphic->draw(frame); }

void PlayerNonAnimatedShip::drawWithoutColor() { graphic->drawWithoutColor(frame); }
