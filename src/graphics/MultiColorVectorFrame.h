// One frame of a vector model: its lines grouped into one vertex buffer per colour.
#pragma once

#include <memory>
#include <vector>

#include "core/Color.h"
#include "graphics/VectorFrame.h"

class MultiColorVectorFrame {
public:
    // lines: pairs of 0-based point indices; points: x, y (or x, y, z) per
    // point; colors: one per line, white where missing. Lines whose indices
    // fall outside the points, and a last unpaired index, are skipped.
    MultiColorVectorFrame(std::vector<int>* lines, std::vector<int>* points, std::vector<Color>* colors, bool is3D,
                          int mode);

    // Draw the colour groups from last to first.
    void draw();
    void drawWithAlpha(float alpha);
    void drawWithoutColor();

    // Unchecked: k must be below getNumberOfColors().
    VectorFrame* getVectorFrame(int k) { return frames[k].get(); }
    int getNumberOfColors() const { return (int)frames.size(); }
    int getWidth() const { return width; }
    int getHeight() const { return height; }
    int getBytesUsed() const;
    void resetBufferName();

private:
    int width = 0;
    int height = 0;
    std::vector<std::unique_ptr<VectorFrame>> frames;
};
