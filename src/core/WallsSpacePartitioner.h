// The wall grid: square cells (CELL_SIZE units) holding chains of collision shapes.
#pragma once

#include <vector>

#include "core/CollisionShape.h"
#include "core/Coord.h"
#include "core/Link.h"

class WallsSpacePartitioner {
public:
    // The side of a cell, in world units.
    static constexpr int CELL_SIZE = 20;

    WallsSpacePartitioner() {}
    WallsSpacePartitioner(const WallsSpacePartitioner&) = delete;
    WallsSpacePartitioner& operator=(const WallsSpacePartitioner&) = delete;
    ~WallsSpacePartitioner();

    void init(int width, int height);
    void unInit();
    // Files every listed shape, in list order.
    void fill();
    Link* newLink();

    // Lists the shape (and files it at once when the grid exists).
    void addObject(CollisionShape* shape);
    // Unlists the shape and clears every link it filed; a shape that is not
    // listed here (removed already, or never added) changes nothing.
    void removeObject(CollisionShape* shape);

    // The first shape of the point's cell that contains the point; null when
    // none does, when the point's cell lies outside the grid, or with no grid.
    CollisionShape* getFirstObject(Coord& p) {
        double fx = p.x / (double)CELL_SIZE, fy = p.y / (double)CELL_SIZE;
        if (!(fx > -1.0e9 && fx < 1.0e9 && fy > -1.0e9 && fy < 1.0e9))
            return nullptr;
        int col = (int)fx, row = (int)fy;
        if (col < 0 || row < 0 || col >= columns || row >= rows)
            return nullptr;
        for (Link* l = grid[row * columns + col]; l; l = l->next) {
            CollisionShape* s = (CollisionShape*)l->object;
            if (s->isPointInside(p))
                return s;
        }
        return nullptr;
    }
    Link* getLink(int column, int row);
    // Address of a cell's head; null outside the grid.
    Link** getPtrToLink(int column, int row);
    // Prepends a link to the shape in the cell; cells outside the grid are skipped.
    void addToCell(int column, int row, CollisionShape* shape);
    // Files the shape into every grid cell of its bounding box.
    void fillBoundingBox(CollisionShape* shape);
    void draw();

    int getColumns() { return columns; }
    int getRows() { return rows; }

    int columns = 0;
    int rows = 0;
    bool isInit = false;
    std::vector<CollisionShape*> shapes;

private:
    void fillWithASingleCollisionShape(CollisionShape* shape);

    std::vector<Link*> grid;  // rows * columns heads, row first
    int width = 0;
    int height = 0;
    int cellCount = 0;
    int nextFreeLink = 0;
    std::vector<Link*> linkPool;  // owned; links are made four at a time
};
