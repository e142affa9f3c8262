// The first screen: the title, a line of invitation and a frame around both.
#include "screens/StateFirstMenu.h"

#include <GLES/gl.h>

#include "core/Device.h"
#include "graphics/DrawString.h"

StateFirstMenu::StateFirstMenu() {}

StateFirstMenu::~StateFirstMenu() {}

void StateFirstMenu::draw() {
    float w = (float)Device::screenWidth, h = (float)Device::screenHeight;
    // A frame a little inside the screen edge (x up, y to the left).
    GLfloat frame[] = {w * 0.1f, h * 0.1f, 0, w * 0.9f, h * 0.1f, 0, w * 0.9f, h * 0.9f, 0, w * 0.1f, h * 0.9f, 0};
    glColor4f(0.2f, 0.8f, 1.0f, 1.0f);
    // Drawn from client memory: a vector model drawn before leaves its buffer bound.
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glVertexPointer(3, GL_FLOAT, 0, frame);
    glDrawArrays(GL_LINE_LOOP, 0, 4);

    drawCentredLine("ZORBIX 2", 2.0f, w * 0.65f);
    drawCentredLine("touch to start", 1.0f, w * 0.4f);
}

// Text runs across the screen: the frame is turned a quarter so that the
// font's x goes to the screen's right and its y up the screen.
void StateFirstMenu::drawCentredLine(const char* text, float scale, float top) {
    DrawString* ds = DrawString::getInstance();
    float width = ds->getStringWidth(text) * scale;
    glPushMatrix();
    glTranslatef(top, (Device::screenHeight + width) * 0.5f, 0);
    glRotatef(-90.0f, 0, 0, 1);
    ds->draw(text, scale);
    glPopMatrix();
}

StateTransition* StateFirstMenu::updateState() { return nullptr; }
