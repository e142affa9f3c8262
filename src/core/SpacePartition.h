// The two uniform grids of a level (walls, then entities) and the level's size.
#pragma once

#include <climits>

#include "core/Coord.h"
#include "core/EntitiesSpacePartitioner.h"
#include "core/WallsSpacePartitioner.h"

class SpacePartition {
public:
    SpacePartition() {}
    SpacePartition(const SpacePartition&) = delete;
    SpacePartition& operator=(const SpacePartition&) = delete;
    ~SpacePartition();

    static void setBoundaries(Coord size);
    // Sizes both grids from the level size and fills them.
    void initWithTheLoadedMap();
    void unInit();
    void draw();

    WallsSpacePartitioner walls;
    EntitiesSpacePartitioner entities;

    static Coord boundaries;
    static bool boundariesAreInit;

    // Truncation toward zero that stays defined for any float: NaN and values
    // beyond a billion map far outside every grid instead of overflowing.
    static int truncate(float v) {
        if (v != v)
            return INT_MIN / 2;
        if (v >= 1.0e9f)
            return 1000000000;
        if (v <= -1.0e9f)
            return -1000000000;
        return (int)v;
    }
};
