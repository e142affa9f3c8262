// The one walk over the targets at a point: the point's entity-grid cell
// (none outside the grid), each target that contains the point (widened by a
// margin when it is not 0), in chain order.
#pragma once

#include "core/EntitiesSpacePartitioner.h"
#include "core/Entity.h"
#include "core/ReactsToWeaponOrPlayer.h"
#include "core/SpacePartition.h"

// fn(target) returns true to stop the walk (a shot used up), false to go on.
// Returns true when fn stopped it.
template <class Fn>
bool forEachTargetAt(Coord& point, int margin, Fn fn) {
    if (!Entity::spacePartition)
        return false;
    for (Link* l = Entity::spacePartition->entities.getLink(point); l; l = l->next) {
        ReactsToWeaponOrPlayer* t = (ReactsToWeaponOrPlayer*)l->object;
        bool inside = margin == 0 ? t->isPointInside(point) : t->isPointInside(point, margin);
        if (inside && fn(t))
            return true;
    }
    return false;
}
