// Button: geometry of the three decorations, the press rule and the drawing.
#include "widgets/Button.h"

#include <GLES/gl.h>

#include "core/Device.h"
#include "core/Game.h"
#include "graphics/DrawString.h"
#include "graphics/VectorModel.h"
#include "graphics/drawFilledShape.h"
#include "widgets/WidgetFeedback.h"

Button::Button(std::string text, Coord c, Decoration d) : centre(c), decoration(d) {
    textZoom = (float)(Device::screenWidth * 0.002);
    game = Game::getInstance();
    setString(text);
    touched = false;
    brightness = 1.0f;
    resetCollisionRect();
    setWidthAndHeight(Coord((float)(textHeight + 10), (float)(textWidth + 20), 0.0f));
    outlineColour.init(1.0f, 1.0f, 1.0f);
    textColour.init(1.0f, 1.0f, 1.0f);
}

void Button::setString(std::string text) {
    label = text;
    DrawString* ds = DrawString::getInstance();
    textHeight = (int)(ds->getCharacterHeight() * textZoom);
    textWidth = (int)(textZoom * ds->getStringWidth(label));
    setWidthAndHeight(Coord((float)(textHeight + 10), (float)(textWidth + 20), 0.0f));
    textModel.setString(label);
}

void Button::setWidthAndHeight(Coord size) {
    int cornerA = 0, cornerB = 0, cornerC = 0;
    outlineSegments = 6;
    fillVertices = 12;
    if (decoration == DECORATION_CUT) {
        cornerA = cornerB = cornerC = 12;
    } else if (decoration == DECORATION_DEEP_CUT) {
        cornerA = 18;
        cornerB = 8;
        cornerC = 12;
        outlineSegments = 9;
        fillVertices = 15;
    }
    // The corners keep their look from one screen size to another.
    double s = Device::screenWidth / 240.0;
    float a = (float)(cornerA * s), b = (float)(cornerB * s), c = (float)(cornerC * s);
    float h = size.x / 2, w = size.y / 2;
    const float points[36] = {
        -h,     -w + a, -h,     w,  -h, w,      h - b,  w,  h - b, w,  h,  w - b,  h,  w - b, h,      -w, h,  -w,
        -h + a, -w,     -h + a, -w, -h, -w + a, -h + c, -w, -h,    -w, -h, -w + c, -h, -w,    -h + c, -w, -h, -w + c,
    };
    for (int i = 0; i < 36; i++)
        outline[i] = points[i];
    const float triangles[30] = {
        -h,     -w + a, -h,    w, h - b, w, h - b, w,      h,  w - b,  -h, -w + a, -h + a, -w, -h,
        -w + a, h,      w - b, h, w - b, h, -w,    -h + a, -w, -h + c, -w, -h,     -w,     -h, -w + c,
    };
    for (int i = 0; i < 30; i++)
        fill[i] = triangles[i];
    collisionSize = size;
    resetCollisionRect();
}

void Button::setCoord(Coord c) {
    centre = c;
    resetCollisionRect();
}

void Button::resetCollisionRect() {
    collisionPosition = Coord(centre.x - collisionSize.x / 2, centre.y - collisionSize.y / 2, 0.0f);
}

void Button::addOffsetToCollisionRect(Coord offset) {
    collisionPosition.x += offset.x;
    collisionPosition.y += offset.y;
}

void Button::setVectorModel(VectorModel* vm, int f) {
    model = vm;
    frame = f;
}

bool Button::update() {
    if (highlighted) {
        highlight = highlight + 0.08f > 1.0f ? 1.0f : highlight + 0.08f;
        pulse += 0.4f;
    } else if (highlight > 0.0f) {
        highlight = highlight - 0.05f < 0.0f ? 0.0f : highlight - 0.05f;
        pulse += 0.4f;
    }
    if (pressed) {
        pressed = false;
        return true;
    }
    if (game->rectIsTouched(collisionPosition, collisionSize, &touchSlot)) {
        if (!touched) {
            WidgetFeedback::vibrate();
            WidgetFeedback::playSound("/data/sounds/blip1.caf");
        }
        touched = true;
        brightness = brightness - 0.2f < 0.0f ? 0.0f : brightness - 0.2f;
    } else {
        brightness = brightness + 0.08f > 1.0f ? 1.0f : brightness + 0.08f;
        if (touched) {
            WidgetFeedback::playSound("/data/sounds/blip2.caf");
            if (!game->touchIsActive(touchSlot)) {
                touched = false;
                return true;
            }
        }
        touched = false;
    }
    outlineColour.init(1.0f, brightness, brightness);
    textColour.init(1.0f, brightness, brightness);
    return false;
}

void Button::drawWithColor(Color color) {
    if (outlineColour.g == 1.0f)
        outlineColour = color;
    drawWithAlpha(1.0f);
}

void Button::drawWithAlpha(float alpha) {
    glPushMatrix();
    glTranslatef(centre.x, centre.y, 0.0f);
    glScalef(1.0f, widthZoom, 1.0f);
    glPushMatrix();

    drawFilledShape(GL_TRIANGLES, fill, fillVertices, 0.0f, 0.0f, 0.0f, 0.7f * alpha);

    if (model)
        model->drawWithAlpha(alpha, frame);

    glTranslatef(0.45f * textHeight, 0.5f * textWidth, 0.0f);
    glRotatef(-90.0f, 0.0f, 0.0f, 1.0f);
    glScalef(textZoom, textZoom, textZoom);
    glColor4f(textColour.r, textColour.g, textColour.b, alpha);
    if (useStringColor)
        textModel.drawWithAlpha(alpha);
    else
        textModel.drawWithoutColor();
    glPopMatrix();

    glColor4f(outlineColour.r, outlineColour.g, outlineColour.b, alpha);
    // The model and the text leave their buffers bound; the outline is in client memory.
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glVertexPointer(2, GL_FLOAT, 0, outline);
    glDrawArrays(GL_LINES, 0, 2 * outlineSegments);

    if (highlight > 0.0f && Device::hasKeyboard) {
        // Copies of the outline stepping back in depth, pulsing toward the button.
        float p = (float)(((int)(-pulse)) % 20);
        glPushMatrix();
        for (int k = 0; k < 6; k++) {
            glTranslatef(0.0f, 0.0f, p - 20.0f * k);
            glColor4f(outlineColour.r, outlineColour.g, outlineColour.b,
                      (p - 20.0f * k + 100.0f) / 100.0f * alpha * highlight);
            glBindBuffer(GL_ARRAY_BUFFER, 0);
            glVertexPointer(2, GL_FLOAT, 0, outline);
            glDrawArrays(GL_LINES, 0, 2 * outlineSegments);
        }
        glPopMatrix();
    }
    glPopMatrix();
}
