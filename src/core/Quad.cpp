// Quad walls: geometry, projection, self-filing and the red outline.
#include "core/Quad.h"

#include <GLES/gl.h>

#include <algorithm>
#include <cmath>

#include "core/WallsSpacePartitioner.h"

static Coord midpoint(const Coord& a, const Coord& b) {
    return Coord((a.x + b.x) * 0.5f, (a.y + b.y) * 0.5f, (a.z + b.z) * 0.5f);
}

static Coord direction(const Coord& from, const Coord& to) {
    Coord d(from.x - to.x, from.y - to.y, 0.0f);
    d.normalize();
    return d;
}

// The normal of a side turned toward the centroid, into the wall.
static Coord inwardNormal(const Coord& dir, const Coord& mid, float cx, float cy) {
    Coord n = dir;
    n.rotate();
    if ((cx - mid.x) * n.x + (cy - mid.y) * n.y <= 0.0f) {
        n.x = -n.x;
        n.y = -n.y;
        n.z = 0.0f;
    }
    return n;
}

Quad::Quad(Coord c1, Coord c2, Coord c3, Coord c4, int f)
    : CollisionShape(f), corner1(c1), corner2(c2), corner3(c3), corner4(c4) {
    mid1 = midpoint(corner1, corner2);
    mid2 = midpoint(corner2, corner3);
    mid3 = midpoint(corner3, corner4);
    mid4 = midpoint(corner4, corner1);
    dir1 = direction(corner1, corner2);
    dir2 = direction(corner2, corner3);
    dir3 = direction(corner3, corner4);
    dir4 = direction(corner4, corner1);
    float cx = (corner1.x + corner2.x + corner3.x + corner4.x) / 4.0f;
    float cy = (corner1.y + corner2.y + corner3.y + corner4.y) / 4.0f;
    normal1 = inwardNormal(dir1, mid1, cx, cy);
    normal2 = inwardNormal(dir2, mid2, cx, cy);
    normal3 = inwardNormal(dir3, mid3, cx, cy);
    normal4 = inwardNormal(dir4, mid4, cx, cy);
    angleOfNormal = std::atan2(normal1.y, normal1.x);
    const Coord* order[8] = {&corner1, &corner2, &corner3, &corner2, &corner3, &corner4, &corner1, &corner4};
    for (int i = 0; i < 8; i++) {
        outline[2 * i] = order[i]->x;
        outline[2 * i + 1] = order[i]->y;
    }
    registerWithGrid();
}

void Quad::projectOnSide(Coord* p) {
    float t = (p->x - mid1.x) * dir1.x + (p->y - mid1.y) * dir1.y;
    p->x = mid1.x + dir1.x * t;
    p->y = mid1.y + dir1.y * t;
    p->z = 0.0f;
}

float Quad::getRightMostPoint() { return std::max(std::max(corner1.x, corner2.x), std::max(corner3.x, corner4.x)); }
float Quad::getHighestPoint() { return std::max(std::max(corner1.y, corner2.y), std::max(corner3.y, corner4.y)); }
float Quad::getLeftMostPoint() { return std::min(std::min(corner1.x, corner2.x), std::min(corner3.x, corner4.x)); }
float Quad::getLowestPoint() { return std::min(std::min(corner1.y, corner2.y), std::min(corner3.y, corner4.y)); }

// Marks the cells along a side in half-cell steps, each with its four
// neighbours, so that the outline has no gap a flood fill could pass.
static void fillLine(ShapeRaster& r, Coord a, Coord b) {
    Coord v(a.x - b.x, a.y - b.y, 0.0f);
    float len = v.normalize();
    if (!(len >= 0.0f && len < 1.0e7f))
        return;
    float sx = v.x * 0.5f, sy = v.y * 0.5f;
    int steps = (int)(2 * len);
    float x = b.x, y = b.y;
    long origin = 2 + 2L * r.width;
    for (int k = 0; k <= steps; k++) {
        r.markPlus(origin + (int)x + (long)r.width * (int)y);
        x += sx;
        y += sy;
    }
}

void Quad::fillSP(WallsSpacePartitioner* w) {
    ShapeRaster r;
    if (!r.make(getLeftMostPoint(), getLowestPoint(), getRightMostPoint(), getHighestPoint())) {
        w->fillBoundingBox(this);
        return;
    }
    auto cell = [&](const Coord& p) {
        return Coord(p.x / WallsSpacePartitioner::CELL_SIZE - r.x0, p.y / WallsSpacePartitioner::CELL_SIZE - r.y0,
                     0.0f);
    };
    fillLine(r, cell(corner1), cell(corner2));
    fillLine(r, cell(corner2), cell(corner3));
    fillLine(r, cell(corner3), cell(corner4));
    fillLine(r, cell(corner4), cell(corner1));
    r.floodFill(0, 0);
    r.fileInto(w, this);
}

void Quad::draw() {
    glColor4f(1.0f, 0.0f, 0.0f, 1.0f);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glVertexPointer(2, GL_FLOAT, 0, outline);
    glDrawArrays(GL_LINES, 0, 8);
}
