// The lines of one colour of one vector frame, uploaded once into a GL vertex buffer.
#pragma once

#include <vector>

#include "core/Color.h"

class VectorFrame {
public:
    // Builds the frame from integer coordinates, two (or three when is3D) per
    // vertex, two vertices per line; mode is the GL primitive (1 lines, 0 points).
    VectorFrame(std::vector<int>* coordinates, Color color, bool is3D, int mode);
    ~VectorFrame();
    VectorFrame(const VectorFrame&) = delete;
    VectorFrame& operator=(const VectorFrame&) = delete;

    // Start-up hook of the game object; nothing to prepare on this platform.
    static void init() {}

    // Each draw leaves its vertex buffer bound: code that then draws from
    // client memory must bind buffer 0 first.
    void draw();
    void drawWithoutColor();
    void drawWithAlpha(float alpha);

    float* getVertexes(int* count);
    Color getColor() const { return color; }
    bool getIs3D() const { return is3D; }
    int getComponents() const { return components; }
    int getMode() const { return mode; }
    float getMinX() const { return minX; }
    float getMaxX() const { return maxX; }
    float getMinY() const { return minY; }
    float getMaxY() const { return maxY; }
    int getBytesUsed() const { return vertexCount * components * 4; }
    unsigned int getBufferName() const { return bufferName; }
    // Forgets the buffer name without deleting it, after the GL context was lost.
    void resetBufferName() { bufferName = 0; }
    void printInfo() {}

private:
    Color color;
    int vertexCount = 0;
    std::vector<float> vertices;
    bool is3D;
    int components;
    float minX = 0.0f, maxX = 0.0f, minY = 0.0f, maxY = 0.0f;
    int mode;
    unsigned int bufferName = 0;
};
