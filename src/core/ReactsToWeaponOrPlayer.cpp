// Targets: registration in the entity grid and their bounding square.
#include "core/ReactsToWeaponOrPlayer.h"

#include "core/EntitiesSpacePartitioner.h"
#include "core/SpacePartition.h"

ReactsToWeaponOrPlayer::ReactsToWeaponOrPlayer(Coord p, bool collides, int r)
    : Entity(p, collides), indexInSP(NOT_LISTED), listedIn(nullptr) {
    if (spacePartition) {
        listedIn = &spacePartition->entities;
        indexInSP = listedIn->addObject(this);
    }
    setRadius(r);
}

ReactsToWeaponOrPlayer::~ReactsToWeaponOrPlayer() {
    // A grid destroyed first marks its targets as no longer listed.
    if (indexInSP != NOT_LISTED && listedIn && listedIn->isListed(this))
        listedIn->removeObject(indexInSP);
}

void ReactsToWeaponOrPlayer::getRect(int& xMin, int& xMax, int& yMax, int& yMin) {
    xMin = (int)(position.x - radiusF);
    xMax = (int)(position.x + radiusF);
    yMax = (int)(position.y + radiusF);
    yMin = (int)(position.y - radiusF);
}
