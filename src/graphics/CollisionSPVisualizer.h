// An entity that shows which cells of the wall grid hold shapes, brighter
// for more shapes. A debugging view; nothing in play makes one.
#pragma once

#include <vector>

#include "core/Entity.h"

class CollisionSPVisualizer : public Entity {
public:
    CollisionSPVisualizer();

    void update() override {}
    void draw() override;

    // Links per wall-grid cell, row by row, counted when made.
    std::vector<int> counts;
    int columns;
    int rows;
};
