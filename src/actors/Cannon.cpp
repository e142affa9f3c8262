// Cannon: draws nothing at its place.
#include "actors/Cannon.h"

#include <GLES/gl.h>

void Cannon::draw() {
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    glPopMatrix();
}
