// Test helpers of the bosses, rocks and drifting enemies: points in the plane, the first
// live entity of a kind, and a guard for the secondary generator.
#pragma once

#include <random>

#include "EnemyTestSupport.h"
#include "support/StateGuards.h"

namespace bossrocktest {

inline Coord at(float x, float y) { return Coord(x, y, 0.0f); }

// The first entity of a kind in the world list, or null.
template <class T>
T* first() {
    for (Entity* e : Entity::entityVector)
        if (T* t = dynamic_cast<T*>(e))
            return t;
    return nullptr;
}

// The secondary generator, saved and put back around a test.
class SecondaryGeneratorGuard : public SavedValue<std::mt19937> {
public:
    SecondaryGeneratorGuard() : SavedValue<std::mt19937>(Game::secondary) {}
};

}  // namespace bossrocktest
