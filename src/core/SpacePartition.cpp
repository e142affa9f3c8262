// The level's grids and boundaries.
#include "core/SpacePartition.h"

Coord SpacePartition::boundaries;
bool SpacePartition::boundariesAreInit = false;

SpacePartition::~SpacePartition() { unInit(); }

void SpacePartition::setBoundaries(Coord size) {
    boundaries = size;
    boundariesAreInit = true;
}

void SpacePartition::initWithTheLoadedMap() {
    unInit();
    walls.init(truncate(boundaries.x), truncate(boundaries.y));
    walls.fill();
    entities.init(truncate(boundaries.x), truncate(boundaries.y));
    entities.fill();
}

void SpacePartition::unInit() {
    walls.unInit();
    entities.unInit();
}

void SpacePartition::draw() { walls.draw(); }
