// A filled shape in one colour over what is already drawn.
#pragma once

#include <GLES/gl.h>

// Draws vertexCount two-dimensional vertices (x, y pairs) as primitives of
// the given mode in one colour, covering what lies beneath by its alpha; the
// game's additive blending, under which lines add their light, is restored
// after. The vertex pointer is left on the shape.
void drawFilledShape(GLenum mode, const GLfloat* xy, int vertexCount, float r, float g, float b, float a);
