// A table of focus nodes by cell, from which a focus graph links neighbours.
// It does not own the nodes.
#pragma once

#include <vector>

class NavigationNode;

class NavigationGrid {
public:
    NavigationGrid(int width, int height) : width(width), height(height), cells((size_t)width * height, nullptr) {}

    // A cell outside the grid is ignored.
    void add(NavigationNode* node, int x, int y) {
        if (x >= 0 && x < width && y >= 0 && y < height)
            cells[(size_t)y * width + x] = node;
    }
    // The caller passes a cell inside the grid.
    NavigationNode* get(int x, int y) const { return cells[(size_t)y * width + x]; }
    int getWidth() const { return width; }
    int getHeight() const { return height; }

private:
    int width;
    int height;
    std::vector<NavigationNode*> cells;
};
