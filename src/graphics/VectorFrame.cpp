// Vertex-buffer frames: one upload at construction, one draw call per draw.
#include "graphics/VectorFrame.h"

#include <GLES/gl.h>

#include <cstddef>

VectorFrame::VectorFrame(std::vector<int>* coordinates, Color color_, bool is3D_, int mode_)
    : color(color_), is3D(is3D_), components(is3D_ ? 3 : 2), mode(mode_) {
    // Only whole vertices are kept, so a ragged list can never be read past its end.
    vertexCount = coordinates ? (int)(coordinates->size() / components) : 0;
    vertices.resize((size_t)vertexCount * components);
    for (size_t i = 0; i < vertices.size(); i++)
        vertices[i] = (float)(*coordinates)[i];
    if (vertexCount == 0)
        return;

    minX = maxX = vertices[0];
    minY = maxY = vertices[1];
    for (int v = 0; v < vertexCount; v++) {
        float x = vertices[v * components];
        float y = vertices[v * components + 1];
        if (x < minX)
            minX = x;
        if (x > maxX)
            maxX = x;
        if (y < minY)
            minY = y;
        if (y > maxY)
            maxY = y;
    }

    glGenBuffers(1, &bufferName);
    glBindBuffer(GL_ARRAY_BUFFER, bufferName);
    glBufferData(GL_ARRAY_BUFFER, (GLsizeiptr)(vertices.size() * sizeof(float)), vertices.data(), GL_STATIC_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

VectorFrame::~VectorFrame() {
    if (bufferName != 0)
        glDeleteBuffers(1, &bufferName);
}

void VectorFrame::draw() {
    glColor4f(color.r, color.g, color.b, color.a);
    drawWithoutColor();
}

void VectorFrame::drawWithoutColor() {
    if (bufferName == 0)
        return;
    glBindBuffer(GL_ARRAY_BUFFER, bufferName);
    glVertexPointer(components, GL_FLOAT, 0, nullptr);
    glDrawArrays((GLenum)mode, 0, vertexCount);
}

void VectorFrame::drawWithAlpha(float alpha) {
    float previous = color.a;
    color.a = alpha;
    draw();
    color.a = previous;
}

float* VectorFrame::getVertexes(int* count) {
    *count = vertexCount;
    return vertices.data();
}
