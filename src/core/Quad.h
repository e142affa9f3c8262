// A convex quadrilateral wall whose first side (corner 1 to corner 2) faces
// the playing area: points inside are pushed onto that side.
#pragma once

#include "core/CollisionShape.h"

class Quad : public CollisionShape {
public:
    Quad(Coord corner1, Coord corner2, Coord corner3, Coord corner4, int flags);

    bool isPointInside(Coord p) override {
        // Strict: a point on a side is outside.
        return (p.x - mid1.x) * normal1.x + (p.y - mid1.y) * normal1.y > 0.0f &&
               (p.x - mid2.x) * normal2.x + (p.y - mid2.y) * normal2.y > 0.0f &&
               (p.x - mid3.x) * normal3.x + (p.y - mid3.y) * normal3.y > 0.0f &&
               (p.x - mid4.x) * normal4.x + (p.y - mid4.y) * normal4.y > 0.0f;
    }
    float getAngleOfNormal(Coord p) override { return angleOfNormal; }
    void projectOnSide(Coord* p) override;
    float getRightMostPoint() override;
    float getHighestPoint() override;
    float getLeftMostPoint() override;
    float getLowestPoint() override;
    bool knowsHowToFill() override { return true; }
    void fillSP(WallsSpacePartitioner* w) override;
    void draw() override;

    Coord corner1, corner2, corner3, corner4;
    Coord mid1, mid2, mid3, mid4;
    // Unit normals, each pointing into the quad.
    Coord normal1, normal2, normal3, normal4;
    Coord dir1, dir2, dir3, dir4;
    float angleOfNormal;
    float outline[16];
};
