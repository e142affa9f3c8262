// Disk walls: normal and push-out.
#include "core/Disk.h"

#include <cmath>

Disk::Disk(Coord c, float r) : CollisionShape(0), centre(c), radius(r), pushRadius(r + 0.001f), squareRadius(r * r) {
    registerWithGrid();
}

float Disk::getAngleOfNormal(Coord p) { return std::atan2(p.y - centre.y, p.x - centre.x); }

void Disk::projectOnSide(Coord* p) {
    float a = std::atan2(p->y - centre.y, p->x - centre.x);
    p->x = centre.x + pushRadius * std::cos(a);
    p->y = centre.y + pushRadius * std::sin(a);
}
