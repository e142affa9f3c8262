// A filled shape in one colour over what is already drawn.
#include "graphics/drawFilledShape.h"

void drawFilledShape(GLenum mode, const GLfloat* xy, int vertexCount, float r, float g, float b, float a) {
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(r, g, b, a);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glVertexPointer(2, GL_FLOAT, 0, xy);
    glDrawArrays(mode, 0, vertexCount);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
}
