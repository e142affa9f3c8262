// Grouping a frame's lines by colour. Groups are ordered by the bytes of their
// four float channels as they lie in memory, so the draw order of colours is
// the same on every run and for every script.
#include "graphics/MultiColorVectorFrame.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <map>

namespace {

using ColorKey = std::array<unsigned char, 4 * sizeof(float)>;

float clampChannel(float v) {
    // Also turns NaN into 0, so equal-looking colours always share a group.
    if (!(v >= 0.0f))
        return 0.0f;
    return v > 1.0f ? 1.0f : v;
}

// Truncates toward zero like a cast, but saturates instead of overflowing
// for extents of far-flung points.
int extentToInt(float v) {
    if (v >= 2147483520.0f)
        return INT_MAX;
    return (int)v;
}

ColorKey keyOf(const Color& c) {
    float channels[4] = {c.r, c.g, c.b, c.a};
    ColorKey key;
    std::memcpy(key.data(), channels, sizeof(channels));
    return key;
}

}  // namespace

MultiColorVectorFrame::MultiColorVectorFrame(std::vector<int>* lines, std::vector<int>* points,
                                             std::vector<Color>* colors, bool is3D, int mode) {
    const int components = is3D ? 3 : 2;
    const long pointCount = points ? (long)(points->size() / components) : 0;
    const size_t lineIndexCount = lines ? lines->size() : 0;

    struct Group {
        Color color;
        std::vector<int> coordinates;
    };
    std::map<ColorKey, Group> groups;

    for (size_t j = 0; 2 * j + 1 < lineIndexCount; j++) {
        int p0 = (*lines)[2 * j];
        int p1 = (*lines)[2 * j + 1];
        if (p0 < 0 || p1 < 0 || p0 >= pointCount || p1 >= pointCount)
            continue;
        Color c = (colors && j < colors->size()) ? (*colors)[j] : Color();
        c = Color(clampChannel(c.r), clampChannel(c.g), clampChannel(c.b), clampChannel(c.a));
        Group& g = groups.emplace(keyOf(c), Group{c, {}}).first->second;
        for (int k = 0; k < components; k++)
            g.coordinates.push_back((*points)[(size_t)p0 * components + k]);
        for (int k = 0; k < components; k++)
            g.coordinates.push_back((*points)[(size_t)p1 * components + k]);
    }

    // std::map orders its keys with a lexicographic byte comparison.
    for (auto& entry : groups)
        frames.push_back(std::make_unique<VectorFrame>(&entry.second.coordinates, entry.second.color, is3D, mode));

    if (pointCount == 0)
        return;
    float minX = (float)(*points)[0], maxX = minX;
    float minY = (float)(*points)[1], maxY = minY;
    for (auto& f : frames) {
        minX = std::min(minX, f->getMinX());
        maxX = std::max(maxX, f->getMaxX());
        minY = std::min(minY, f->getMinY());
        maxY = std::max(maxY, f->getMaxY());
    }
    width = extentToInt(maxX - minX);
    height = extentToInt(maxY - minY);
}

void MultiColorVectorFrame::draw() {
    for (int k = (int)frames.size() - 1; k >= 0; k--)
        frames[k]->draw();
}

void MultiColorVectorFrame::drawWithAlpha(float alpha) {
    for (int k = (int)frames.size() - 1; k >= 0; k--)
        frames[k]->drawWithAlpha(alpha);
}

void MultiColorVectorFrame::drawWithoutColor() {
    for (int k = (int)frames.size() - 1; k >= 0; k--)
        frames[k]->drawWithoutColor();
}

int MultiColorVectorFrame::getBytesUsed() const {
    int sum = 0;
    for (auto& f : frames)
        sum += f->getBytesUsed();
    return sum;
}

void MultiColorVectorFrame::resetBufferName() {
    for (auto& f : frames)
        f->resetBufferName();
}
