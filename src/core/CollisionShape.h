// A wall shape made by a level script: answers point-inside, the direction of
// its surface normal and where a point inside it is pushed out to.
#pragma once

#include <vector>

#include "core/Coord.h"

class WallsSpacePartitioner;

class CollisionShape {
public:
    explicit CollisionShape(int flags_) : flags(flags_), index(-1), registeredIn(nullptr) {}
    // A shape still listed in a wall grid takes itself out first.
    virtual ~CollisionShape();

    virtual bool isPointInside(Coord p) = 0;
    // Radians.
    virtual float getAngleOfNormal(Coord p) = 0;
    virtual void projectOnSide(Coord* p) = 0;
    virtual void teletransport(Coord* p) {}
    // The bounding box: max x, max y, min x, min y.
    virtual float getRightMostPoint() = 0;
    virtual float getHighestPoint() = 0;
    virtual float getLeftMostPoint() = 0;
    virtual float getLowestPoint() = 0;
    // Shapes that know how to fill file themselves into the cells they cover;
    // the others are filed into every cell of their bounding box.
    virtual bool knowsHowToFill() { return false; }
    virtual void fillSP(WallsSpacePartitioner* w) {}
    virtual void draw() = 0;

    static void init(WallsSpacePartitioner* w) { wsp = w; }

    // Read by the projectiles that meet the wall: 2 bounces player bullets,
    // 4 to 64 recolour them, 0x80 marks a wrapping quad.
    int flags;
    // Position in the wall grid's shape list; -1 when not listed.
    int index;
    // The wall grid that lists the shape, null when none does, and the
    // bounding box it was listed with (removal must not ask a shape that is
    // being destroyed).
    WallsSpacePartitioner* registeredIn;
    float listedBox[4];

    static WallsSpacePartitioner* wsp;

protected:
    // Lists the shape in the current wall grid, when a level exists.
    void registerWithGrid();
};

// A byte raster of wall cells for shapes that file themselves, with a two-cell
// margin around the bounding box: byte (i, j) stands for wall cell
// (x0 - 2 + i, y0 - 2 + j).
struct ShapeRaster {
    int x0 = 0, y0 = 0, width = 0, height = 0;
    std::vector<unsigned char> bytes;

    // False when the box is not finite or too large to raster.
    bool make(float left, float lowest, float right, float highest);
    void mark(long idx) {
        if (idx >= 0 && idx < (long)width * height)
            bytes[idx] = 1;
    }
    // Marks a byte and its four neighbours.
    void markPlus(long idx) {
        mark(idx);
        mark(idx - 1);
        mark(idx + 1);
        mark(idx + width);
        mark(idx - width);
    }
    // Turns the 4-connected region of zero bytes around (x, y) into 2.
    // Returns true when the region reaches the raster's border.
    bool floodFill(int x, int y);
    // Files the shape into every wall cell of the raster not marked 2, row by row.
    void fileInto(WallsSpacePartitioner* w, CollisionShape* shape);
};
