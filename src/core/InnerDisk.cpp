// Inner-disk walls: normal, pull-in and filing of the ring and everything outside.
#include "core/InnerDisk.h"

#include <algorithm>
#include <cmath>

#include "core/WallsSpacePartitioner.h"

InnerDisk::InnerDisk(Coord c, float r, int f)
    : CollisionShape(f), centre(c), radius(r), pushRadius(r - 0.001f), squareRadius(r * r) {
    registerWithGrid();
}

float InnerDisk::getAngleOfNormal(Coord p) { return (float)(std::atan2(p.y - centre.y, p.x - centre.x) + M_PI); }

void InnerDisk::projectOnSide(Coord* p) {
    float a = std::atan2(p->y - centre.y, p->x - centre.x);
    p->x = centre.x + pushRadius * std::cos(a);
    p->y = centre.y + pushRadius * std::sin(a);
}

// Marks the circle with 315 * density points, 0.02 / density radians apart.
static void markCircle(ShapeRaster& r, float radius, int density) {
    int hw = r.width / 2, hh = r.height / 2;
    float rc = radius / WallsSpacePartitioner::CELL_SIZE;
    float step = 0.02f / density;
    float a = 0.0f;
    for (int k = 0; k < 315 * density; k++) {
        int x = (int)(hw + rc * std::cos(a));
        int y = (int)(hh + rc * std::sin(a));
        r.markPlus(x + (long)r.width * y);
        a += step;
    }
}

void InnerDisk::fillSP(WallsSpacePartitioner* w) {
    ShapeRaster r;
    if (!(radius >= 0.0f) || !r.make(getLeftMostPoint(), getLowestPoint(), getRightMostPoint(), getHighestPoint())) {
        w->fillBoundingBox(this);
        return;
    }
    markCircle(r, radius, 1);
    // A large circle's points lie more than a cell apart and the fill leaks
    // out through the gaps (the whole box would become floor). Such a circle
    // is marked again with denser points until the ring is closed; circles the
    // plain sampling already closes are filed exactly as it marks them.
    int density = 1;
    while (r.floodFill(r.width / 2, r.height / 2) && density < 4096) {
        density *= 2;
        std::fill(r.bytes.begin(), r.bytes.end(), 0);
        markCircle(r, radius, density);
    }
    r.fileInto(w, this);
}
