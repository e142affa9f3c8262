// Infinity level buttons: name squeezing, lock labels and turning medals.
#include "screens/InfinityButton.h"

#include <GLES/gl.h>

#include <cstdlib>

#include "core/Device.h"
#include "graphics/VectorModel.h"
#include "savedata/Achievements.h"
#include "widgets/Button.h"
#include "widgets/DrawableString.h"

InfinityButton::InfinityButton(std::string levelName, std::string path, INFINITY_BUTTON_STATUS s)
    : levelPath(path), name(levelName), status(s) {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    button = new Button(name, Coord(), Button::DECORATION_DEEP_CUT);
    button->setWidthAndHeight(Coord(0.17f * W, 0.32f * H, 0));
    setStatus(s);
    medal = VectorModel::loadFromLuaScript("/data/graphics/medalGraphic.lua");
    if (status != INFINITY_BUTTON_LOCKED)
        results = Achievements::getInstance()->getInfinityMapResults(levelPath);
    float x = (float)(-0.17 * 0.35 * W);
    bronzeOffset = Coord(x, (float)(0.1 * 0.32 * H), 0);
    silverOffset = Coord(x, 0, 0);
    goldOffset = Coord(x, (float)(-0.1 * 0.32 * H), 0);
    // Cosmetic: each button's medals start at another angle.
    spin = (float)(rand() % 500);
}

InfinityButton::~InfinityButton() {
    delete topLabel;
    delete bottomLabel;
    delete button;
}

void InfinityButton::externalyPressed() { button->externalyPressed(); }

void InfinityButton::setIsHighlighted(bool value) { button->setIsHighlighted(value); }

void InfinityButton::setStatus(INFINITY_BUTTON_STATUS s) {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    status = s;
    button->setString(name);
    // A long name is squeezed along its line into the usual drawn width.
    if (name.size() > 12) {
        button->setWidthZoom(0.75f);
        button->setWidthAndHeight(Coord(0.17f * W, 0.32f * H / 0.75f, 0));
    } else {
        button->setWidthAndHeight(Coord(0.17f * W, 0.32f * H, 0));
    }
}

void InfinityButton::setLabels(std::string top, std::string bottom) {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    delete topLabel;
    delete bottomLabel;
    topLabel = new DrawableString(top, Coord());
    topLabel->setZoom(0.002f * W);
    topOffset = Coord(0.024f * H + topLabel->getHeight() / 2, topLabel->getWidth() / 2, 0);
    bottomLabel = new DrawableString(bottom, Coord());
    bottomLabel->setZoom(0.002f * W);
    bottomOffset = Coord(-0.024f * H + bottomLabel->getHeight() / 2, bottomLabel->getWidth() / 2, 0);
}

bool InfinityButton::update() {
    bool pressed = button->update();
    return status != INFINITY_BUTTON_LOCKED && pressed;
}

void InfinityButton::draw() {
    spin += 0.5f;
    Coord c = button->getCoord();
    if (status == INFINITY_BUTTON_LOCKED) {
        button->drawWithColor(Color(1.0f, 0.0f, 0.0f));
        if (topLabel) {
            glColor4f(1.0f, 0.0f, 0.0f, 1.0f);
            topLabel->setCoord(Coord(c.x + topOffset.x, c.y + topOffset.y, 0));
            topLabel->drawWithoutColor();
            bottomLabel->setCoord(Coord(c.x + bottomOffset.x, c.y + bottomOffset.y, 0));
            bottomLabel->drawWithoutColor();
        }
        return;
    }
    button->drawWithColor(Color(0.1f, 1.0f, 0.1f));
    if (!results)
        return;
    float W = (float)Device::screenWidth;
    const struct {
        bool won;
        int color;
        float factor;
        Coord offset;
    } medals[] = {{results->bronze, 0xFFBF00, 5.5f, bronzeOffset},
                  {results->silver, 0xDDDDDD, 8.0f, silverOffset},
                  {results->gold, 0xFCEC3F, 10.5f, goldOffset}};
    for (const auto& m : medals) {
        if (!m.won)
            continue;
        Color color(m.color);
        glColor4f(color.r, color.g, color.b, color.a);
        glPushMatrix();
        glTranslatef(c.x + m.offset.x, c.y + m.offset.y, 0.0f);
        glRotatef(spin * m.factor, 1.0f, 0.0f, 0.0f);
        glScalef(0.001f * W, 0.001f * W, 0.001f * W);
        medal->drawWithoutColor(0);
        glPopMatrix();
    }
}
