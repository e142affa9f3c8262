// Positioned strings: width, centring and the turned drawing.
#include "widgets/DrawableString.h"

#include <GLES/gl.h>

#include "core/Device.h"
#include "graphics/DrawString.h"

DrawableString::DrawableString(std::string t, Coord p) : position(p), text(t), model(t) {}

void DrawableString::setString(std::string t) {
    text = t;
    model.setString(t);
}

float DrawableString::getWidth() const { return zoom * DrawString::getInstance()->getStringWidth(text); }

float DrawableString::getHeight() const { return zoom * DrawString::getInstance()->getCharacterHeight(); }

void DrawableString::centerY(float x) {
    position.x = x;
    position.y = Device::screenHeight / 2 + zoom * DrawString::getInstance()->getStringWidth(text) / 2;
}

void DrawableString::pushFrame() {
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    glRotatef(-90.0f, 0.0f, 0.0f, 1.0f);
    if (zoom != 1.0f)
        glScalef(zoom, zoom, zoom);
}

void DrawableString::draw() {
    pushFrame();
    model.draw();
    glPopMatrix();
}

void DrawableString::drawWithAlpha(float alpha) {
    pushFrame();
    model.drawWithAlpha(alpha);
    glPopMatrix();
}

void DrawableString::drawWithoutColor() {
    pushFrame();
    model.drawWithoutColor();
    glPopMatrix();
}
