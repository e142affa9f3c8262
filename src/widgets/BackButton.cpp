// Back button: the arrow graphic and band of each screen edge.
#include "widgets/BackButton.h"

#include "core/Device.h"
#include "graphics/VectorModel.h"
#include "widgets/Button.h"

BackButton::BackButton(BACK_BUTTONS_TYPE type) {
    float w = (float)Device::screenWidth, h = (float)Device::screenHeight;
    const char* graphic = nullptr;
    Coord centre, size;
    switch ((int)type) {
    case BACK_BUTTON_UP:
        graphic = "/data/graphics/buttons/buttonUp.lua";
        centre = Coord(0.92f * w, 0.5f * h, 0.0f);
        size = Coord(0.14f * w, 0.99f * h, 0.0f);
        break;
    case BACK_BUTTON_LEFT:
        graphic = "/data/graphics/buttons/buttonLeft.lua";
        centre = Coord(0.5f * w, 0.92f * h, 0.0f);
        size = Coord(0.99f * w, 0.14f * h, 0.0f);
        break;
    case BACK_BUTTON_RIGHT:
        graphic = "/data/graphics/buttons/buttonRight.lua";
        centre = Coord(0.5f * w, 0.08f * h, 0.0f);
        size = Coord(0.99f * w, 0.14f * h, 0.0f);
        break;
    default: return;
    }
    button = new Button("", centre, Button::DECORATION_NONE);
    button->setWidthAndHeight(size);
    button->setVectorModel(VectorModel::loadFromLuaScript(graphic), 0);
}

BackButton::~BackButton() { delete button; }

void BackButton::externalyPressed() {
    if (button)
        button->externalyPressed();
}

void BackButton::setIsHighlighted(bool value) {
    if (button)
        button->setIsHighlighted(value);
}

bool BackButton::update() { return button ? button->update() : false; }

void BackButton::draw() {
    if (button)
        button->draw();
}
