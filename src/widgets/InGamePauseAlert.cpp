// Pause alert: a dark band with white edges and a slowly tinted text.
#include "widgets/InGamePauseAlert.h"

#include <GLES/gl.h>

#include <cmath>

#include "core/Device.h"
#include "graphics/drawFilledShape.h"
#include "widgets/DrawableString.h"

float InGamePauseAlert::time = 0.0f;

void InGamePauseAlert::draw() {
    time += 0.08f;
    int W = Device::screenWidth, H = Device::screenHeight;
    DrawableString text("Resume playing to unpause", Coord());
    text.setZoom(H * 0.002f);
    text.centerY(W * 0.5f);
    float w = text.getWidth(), h = 0.8f * text.getHeight();

    glPushMatrix();
    glTranslatef((W - h) * 0.5f, H * 0.5f, 0.0f);
    const float band[8] = {-h, -w, -h, w, h, w, h, -w};
    drawFilledShape(GL_TRIANGLE_FAN, band, 4, 0.0f, 0.0f, 0.0f, 0.8f);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glDrawArrays(GL_LINES, 0, 4);
    glPopMatrix();

    glColor4f(0.7f * sinf(1.3f * time) + 0.5f, 1.0f, 0.7f * sinf(time) + 0.5f, 1.0f);
    text.drawWithoutColor();
}
