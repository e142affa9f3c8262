// The entity grid: square cells (CELL_SIZE units) holding chains of targets, rebuilt every step.
#pragma once

#include <vector>

#include "core/Coord.h"
#include "core/Link.h"

class ReactsToWeaponOrPlayer;

class EntitiesSpacePartitioner {
public:
    // The side of a cell, in world units, and its power of two. Filing a
    // target shifts (an arithmetic shift rounds toward minus infinity) and
    // clips to the grid; looking a point up divides, which rounds toward zero,
    // so a point less than a cell beyond the low edges still reads row or
    // column 0. The difference is deliberate: collisions near those edges, and
    // so replays, depend on it.
    static constexpr int CELL_SIZE = 128;
    static constexpr int CELL_SHIFT = 7;
    static_assert(CELL_SIZE == 1 << CELL_SHIFT, "the shift must divide by the cell size");

    EntitiesSpacePartitioner() {}
    EntitiesSpacePartitioner(const EntitiesSpacePartitioner&) = delete;
    EntitiesSpacePartitioner& operator=(const EntitiesSpacePartitioner&) = delete;
    ~EntitiesSpacePartitioner();

    void init(int width, int height);
    void unInit();
    // Files every target into every cell its bounding square touches; within a
    // cell the target filed last comes first.
    void fill();

    unsigned int addObject(ReactsToWeaponOrPlayer* target);
    void removeObject(unsigned int index);
    bool isListed(ReactsToWeaponOrPlayer* target);

    // Head of the cell of a point (coordinates truncated, then divided by CELL_SIZE);
    // null for a point whose cell lies outside the grid, or with no grid.
    Link* getLink(Coord& c);
    Link* getLink(int column, int row);

    int getColumns() { return columns; }
    int getRows() { return rows; }
    bool isInit() { return !grid.empty(); }

    std::vector<ReactsToWeaponOrPlayer*> targets;

private:
    std::vector<Link*> grid;  // rows * columns heads, row first
    int width = 0;
    int height = 0;
    int columns = 0;
    int rows = 0;
    int cellCount = 0;
    // The links of the last fill, the first linksFiled of the pool, and the
    // cell each went into: the next fill empties those cells only. The pool
    // grows (and that fill starts over) only when a fill needs more links
    // than any before, so that it never moves while the grid points into it.
    std::vector<Link> linkPool;
    std::vector<Link**> linkCells;
    size_t linksFiled = 0;
    void clearFiled();
    struct Span {
        int rowMin, colMin, height, width;
    };
    Span spanOf(const ReactsToWeaponOrPlayer* t) const;
    size_t linksNeeded() const;
};
