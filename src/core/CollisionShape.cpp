// Wall shapes: registration with the wall grid and the raster they file with.
#include "core/CollisionShape.h"

#include <vector>

#include "core/SpacePartition.h"
#include "core/WallsSpacePartitioner.h"

WallsSpacePartitioner* CollisionShape::wsp = nullptr;

// A raster this large (a wall some 80,000 units across) is not made; such a
// shape is filed by its bounding box, which holds every cell it covers.
static const long MAX_RASTER_BYTES = 16L * 1024 * 1024;

CollisionShape::~CollisionShape() {
    if (registeredIn)
        registeredIn->removeObject(this);
}

void CollisionShape::registerWithGrid() {
    if (wsp)
        wsp->addObject(this);
}

bool ShapeRaster::make(float left, float lowest, float right, float highest) {
    if (!(left > -1.0e8f && right < 1.0e8f && lowest > -1.0e8f && highest < 1.0e8f))
        return false;
    x0 = (int)left / WallsSpacePartitioner::CELL_SIZE;
    y0 = (int)lowest / WallsSpacePartitioner::CELL_SIZE;
    width = (int)right / WallsSpacePartitioner::CELL_SIZE + 5 - x0;
    height = (int)highest / WallsSpacePartitioner::CELL_SIZE + 5 - y0;
    if (width <= 0 || height <= 0 || (long)width * height > MAX_RASTER_BYTES)
        return false;
    bytes.assign((size_t)width * height, 0);
    return true;
}

bool ShapeRaster::floodFill(int x, int y) {
    // An explicit stack instead of recursion: the region is the same and a
    // wall thousands of cells wide cannot overflow the call stack.
    bool reachedBorder = false;
    std::vector<int> stack;
    stack.push_back(x + width * y);
    while (!stack.empty()) {
        int idx = stack.back();
        stack.pop_back();
        if (bytes[idx] != 0)
            continue;
        bytes[idx] = 2;
        int cx = idx % width, cy = idx / width;
        if (cx == 0 || cy == 0 || cx == width - 1 || cy == height - 1)
            reachedBorder = true;
        if (cx > 0 && bytes[idx - 1] == 0)
            stack.push_back(idx - 1);
        if (cy > 0 && bytes[idx - width] == 0)
            stack.push_back(idx - width);
        if (cx < width - 1 && bytes[idx + 1] == 0)
            stack.push_back(idx + 1);
        if (cy < height - 1 && bytes[idx + width] == 0)
            stack.push_back(idx + width);
    }
    return reachedBorder;
}

void ShapeRaster::fileInto(WallsSpacePartitioner* w, CollisionShape* shape) {
    for (int j = 0; j < height; j++)
        for (int i = 0; i < width; i++)
            if (bytes[i + width * j] != 2)
                w->addToCell(x0 - 2 + i, y0 - 2 + j, shape);
}
