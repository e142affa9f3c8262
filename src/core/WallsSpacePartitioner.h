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
        // The quotients truncate into the grid exactly when they lie in
        // (-1, columns) and (-1, rows); NaN fails every test, and with no grid
        // the bounds are -1, which nothing passes.
        if (!(fx > -1.0 && fy > -1.0 && fx < columnBound && fy < rowBound))
            return nullptr;
        int col = (int)fx, row = (int)fy;
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
    // columns and rows as exclusive bounds of a cell quotient; -1 with no grid.
    double columnBound = -1.0;
    double rowBound = -1.0;
    int width = 0;
    int height = 0;
    int cellCount = 0;
    int nextFreeLink = 0;
    std::vector<Link*> linkPool;  // owned; links are made four at a time
};
