// Settings list: row layout, counters, dragging and the soft bounds.
#include "widgets/SettingsMenu.h"

#include <GLES/gl.h>

#include <cmath>
#include <cstdio>

#include "core/Device.h"
#include "core/Game.h"
#include "widgets/DrawableString.h"
#include "widgets/MultipleValuesButton.h"

SettingsMenu::SettingsMenu() {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    rowSize = Coord(0.2f * W, 0.65f * H, 0);
    firstCentre = Coord(0.85f * W, 0.5f * H, 0);
    step = Coord(-0.28f * W, 0, 0);
    upperExtent = W;
}

SettingsMenu::~SettingsMenu() {
    for (auto& row : rows)
        delete row.first;
    for (DrawableString* counter : counters)
        delete counter;
}

void SettingsMenu::addButton(MultipleValuesButton* button, Settings::TYPES type) {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    int n = (int)rows.size();
    button->setCoordAndSize(Coord(firstCentre.x + n * step.x, firstCentre.y, 0), rowSize);
    DrawableString* counter = new DrawableString(" >>", Coord());
    counter->setCoord(Coord(1.03f * 0.85f * W - 0.28f * W * n, 0.15f * H, 0));
    counter->setZoom(0.003f * W);
    counters.push_back(counter);
    rows.push_back(std::make_pair(button, type));
    setDrawableStringForButton(n);
    upperExtent -= 0.28f * W;
}

void SettingsMenu::setDrawableStringForButton(int row) {
    MultipleValuesButton* button = rows[row].first;
    if (button->getNumberOfValues() < 2)
        return;
    // The counter shows the value + 1, which for every row is its place.
    char text[32];
    snprintf(text, sizeof text, "%i/%i", button->getActiveValue() + 1, button->getNumberOfValues());
    counters[row]->setString(text);
}

void SettingsMenu::update(Settings::TYPES* type, int* value) {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    Game* game = Game::getInstance();
    if (!touchCaptured) {
        offset += speed;
        speed *= 0.9f;
        if (game->rectIsTouched(Coord(0, 0, 0), Coord(W, 0.74f * H, 0), &touchId)) {
            touchCaptured = true;
            currentTouch = captureStart = game->getTouchCoord(touchId);
            isDragging = false;
        }
    } else if (!game->touchIsActive(touchId)) {
        touchCaptured = false;
    } else {
        Coord p = game->getTouchCoord(touchId);
        speed = (float)(int)(p.x - currentTouch.x);
        currentTouch = p;
        offset += speed;
    }
    if (offset < -lowerExtent)
        offset += (-lowerExtent - offset) * 0.2f;
    if (offset > -upperExtent)
        offset += (-upperExtent - offset) * 0.2f;
    if (touchCaptured && !isDragging) {
        Coord moved(currentTouch.x - captureStart.x, currentTouch.y - captureStart.y, 0);
        if (moved.length() > 0.1f * W)
            isDragging = true;
    }
    *type = Settings::NONE;
    for (size_t i = 0; i < rows.size(); i++) {
        MultipleValuesButton* button = rows[i].first;
        // While dragging every row is put out of reach.
        button->getButton()->resetCollisionRect();
        button->getButton()->addOffsetToCollisionRect(Coord(isDragging ? offset - 100000.0f : offset, 0, 0));
        if (button->update()) {
            *type = rows[i].second;
            *value = button->getActiveValue();
            setDrawableStringForButton((int)i);
        }
    }
}

void SettingsMenu::draw() {
    glPushMatrix();
    glTranslatef(floorf(offset), 0.0f, 0.0f);
    for (size_t i = 0; i < rows.size(); i++) {
        rows[i].first->draw();
        counters[i]->drawWithoutColor();
    }
    glPopMatrix();
}
