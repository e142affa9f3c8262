// Script entities: their settings, the one-time move and drawing.
#include "levelplay/LuaEntity.h"

#include <GLES/gl.h>

#include "graphics/OptimizedStringModel.h"
#include "graphics/VectorModel.h"
#include "levelplay/ScriptValues.h"

LuaEntity::LuaEntity(Coord p, bool collides) : Entity(p, collides) { subclassFlag = true; }

LuaEntity::~LuaEntity() {}

void LuaEntity::setAngle(float a) {
    angle = a;
    axis[0] = 0.0f;
    axis[1] = 0.0f;
    axis[2] = 1.0f;
}

void LuaEntity::setRotation(float a, float x, float y, float z) {
    angle = a;
    axis[0] = x;
    axis[1] = y;
    axis[2] = z;
}

void LuaEntity::setZoom(float z) {
    if (z != 1.0f)
        scale[0] = scale[1] = scale[2] = z;
    scaleIsSet = z != 1.0f;
}

void LuaEntity::setScale(float sx, float sy, float sz) {
    scale[0] = sx;
    scale[1] = sy;
    scale[2] = sz;
    scaleIsSet = true;
}

void LuaEntity::setCustomColor(const Color& c) {
    customColor = c;
    hasCustomColor = true;
}

void LuaEntity::setText(const std::string& t) {
    text = t;
    hasText = !text.empty();
    if (textModel)
        textModel->setString(text);
    else if (hasText)
        textModel.reset(new OptimizedStringModel(text));
}

void LuaEntity::setVCoord(Coord v) {
    velocity = v;
    velocityPending = true;
}

int LuaEntity::getTextWidth() {
    if (!hasText || !textModel)
        return 0;
    int width = textModel->getWidth();
    if (!scaleIsSet)
        return width;
    return truncateToInt(width * scale[0]);
}

void LuaEntity::update() {
    if (!velocityPending)
        return;
    position.x += velocity.x;
    position.y += velocity.y;
    velocityPending = false;
}

void LuaEntity::draw() {
    bool drawText = hasText && textModel;
    if (hidden || (!model && !drawText))
        return;
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    if (angle != 0.0f)
        glRotatef(angle, axis[0], axis[1], axis[2]);
    if (scaleIsSet)
        glScalef(scale[0], scale[1], scale[2]);
    if (hasCustomColor) {
        glColor4f(customColor.r, customColor.g, customColor.b, customColor.a);
        if (drawText)
            textModel->drawWithoutColor();
        if (model)
            model->drawWithoutColor(frame);
    } else {
        if (drawText)
            textModel->draw();
        if (model)
            model->draw(frame);
    }
    glPopMatrix();
}
