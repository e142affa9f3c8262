// A round arena: everything outside the circle (the circle included) is wall,
// and points there are pulled just inside it.
#pragma once

#include "core/CollisionShape.h"

class InnerDisk : public CollisionShape {
public:
    InnerDisk(Coord centre, float radius, int flags);

    bool isPointInside(Coord p) override {
        float dx = p.x - centre.x, dy = p.y - centre.y;
        return dx * dx + dy * dy >= squareRadius;
    }
    float getAngleOfNormal(Coord p) override;
    void projectOnSide(Coord* p) override;
    float getRightMostPoint() override { return centre.x + radius; }
    float getHighestPoint() override { return centre.y + radius; }
    float getLeftMostPoint() override { return centre.x - radius; }
    float getLowestPoint() override { return centre.y - radius; }
    bool knowsHowToFill() override { return true; }
    void fillSP(WallsSpacePartitioner* w) override;
    void draw() override {}

    Coord centre;
    float radius;
    float pushRadius;
    float squareRadius;
};
