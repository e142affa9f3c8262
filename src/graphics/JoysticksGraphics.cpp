// The sticks' pictures: their models, loaded by init, and the drawing of the
// sticks and of the placement markers. The input side is core/Joysticks.cpp.
#include <GLES/gl.h>

#include "core/Device.h"
#include "core/Joysticks.h"
#include "graphics/VectorModel.h"

void Joysticks::init() {
    setPositionsOfJoysticksAccordingToPreferences();
    keyMoveX = keyShootX = keyMoveY = keyShootY = 0.0f;
    moveVisible = shootVisible = true;
    zorbixStyleModel = VectorModel::loadFromLuaScript("/data/graphics/joystickGraphic.lua");
    regularStyleModel = VectorModel::loadFromLuaScript("/data/graphics/joystickGraphic2.lua");
}

void Joysticks::drawStick(Centre c, Joystick* stick, bool transparent, int style) {
    bool visible = stick == shootStick ? shootVisible : moveVisible;
    if (!visible)
        return;
    if (style == 1)
        drawRegularStyle((float)c.x, (float)c.y, stick, size, transparent);
    else
        drawZorbixStyle((float)c.x, (float)c.y, stick, size, transparent);
}

void Joysticks::draw() {
    float saved = size;
    size = size / 10;
    Settings stored = settings();
    bool transparent = stored.hidden;
    int style = stored.style;
    drawStick(highStickCentre, &highStick, transparent, style);
    drawStick(lowStickCentre, &lowStick, transparent, style);
    size = saved;
}

static void drawFrame(VectorModel* model, int frame, bool transparent) {
    if (!model || frame >= model->getNumberOfFrames())
        return;
    if (transparent)
        model->drawWithAlpha(0.3f, frame);
    else
        model->draw(frame);
}

void Joysticks::drawRegularStyle(float x, float y, Joystick* stick, float scale, bool transparent) {
    glPushMatrix();
    glTranslatef(x, y, 0.0f);
    glScalef(scale, scale, scale);
    drawFrame(regularStyleModel, stick->style + 3, transparent);
    glRotatef(stick->angle, 0.0f, 0.0f, 1.0f);
    glTranslatef(0.0f, stick->norm * -10.0f, 0.0f);
    drawFrame(regularStyleModel, stick->style, transparent);
    glPopMatrix();
}

void Joysticks::drawZorbixStyle(float x, float y, Joystick* stick, float scale, bool transparent) {
    static VectorModel* model = nullptr;
    if (!model)
        model = VectorModel::loadFromLuaScript("/data/graphics/joystickGraphic.lua");
    glPushMatrix();
    glTranslatef(x, y, 0.0f);
    glRotatef(stick->angle, 0.0f, 0.0f, 1.0f);
    glScalef(scale * 10, scale * 10, scale * 10);
    drawFrame(model, stick->style, transparent);
    glPopMatrix();
}

void Joysticks::drawWithMarkers(bool markHigh, bool markLow, float angle) {
    draw();
    VectorModel* marker = VectorModel::loadFromLuaScript("/data/graphics/shipSelectionBaseGraphic.lua");
    if (!marker)
        return;
    float k = Device::screenWidth * 0.01f;
    if (markHigh) {
        glPushMatrix();
        glTranslatef((float)highStickCentre.x, (float)highStickCentre.y, 0.0f);
        glRotatef(angle, 0.0f, 0.0f, 1.0f);
        glScalef(k, k, 0.0f);
        drawFrame(marker, 0, false);
        glPopMatrix();
    }
    if (markLow) {
        glPushMatrix();
        glTranslatef((float)lowStickCentre.x, (float)lowStickCentre.y, 0.0f);
        glRotatef(-angle, 0.0f, 0.0f, 1.0f);
        glScalef(k, k, 0.0f);
        drawFrame(marker, 0, false);
        glPopMatrix();
    }
}
