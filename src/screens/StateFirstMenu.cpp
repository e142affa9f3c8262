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

    DrawString* ds = DrawString::getInstance();
    glPushMatrix();
    glTranslatef(w * 0.6f, h * 0.5f, 0);
    ds->draw("ZORBIX 2", 2.0f);
    glPopMatrix();
    glPushMatrix();
    glTranslatef(w * 0.35f, h * 0.5f, 0);
    ds->draw("touch to start", 1.0f);
    glPopMatrix();
}

StateTransition* StateFirstMenu::updateState() { return nullptr; }
