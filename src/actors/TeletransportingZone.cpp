// Wrap-around zone: each entity's position read once, then the four edge tests.
#include "actors/TeletransportingZone.h"

TeletransportingZone::TeletransportingZone(float x0, float x1, float y0, float y1)
    : Entity(false), xMin(x0), xMax(x1), yMin(y0), yMax(y1) {}

void TeletransportingZone::update() {
    // A teleport may delete or move entities but never adds any, so the
    // list keeps its length during the walk.
    for (size_t i = 0; i < entityVector.size(); i++) {
        Entity* e = entityVector[i];
        float x = e->position.x, y = e->position.y;
        // The lower edges only wrap positive coordinates.
        if (0.0f < x && x < xMin)
            e->teleport(xMax - 1.0f, y);
        if (0.0f < y && y < yMin)
            e->teleport(x, yMax - 1.0f);
        if (x > xMax)
            e->teleport(xMin + 1.0f, y);
        if (y > yMax)
            e->teleport(x, yMin + 1.0f);
    }
}
