// A solid round wall: points inside (rim included) are pushed just past the rim.
#pragma once

#include "core/CollisionShape.h"

class Disk : public CollisionShape {
public:
    Disk(Coord centre, float radius);

    bool isPointInside(Coord p) override {
        float dx = p.x - centre.x, dy = p.y - centre.y;
        return dx * dx + dy * dy <= squareRadius;
    }
    float getAngleOfNormal(Coord p) override;
    void projectOnSide(Coord* p) override;
    float getRightMostPoint() override { return centre.x + radius; }
    float getHighestPoint() override { return centre.y + radius; }
    float getLeftMostPoint() override { return centre.x - radius; }
    float getLowestPoint() override { return centre.y - radius; }
    void draw() override {}

    Coord centre;
    float radius;
    float pushRadius;
    float squareRadius;
};
