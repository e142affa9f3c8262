// The world digest: FNV-1a over the simulation's state.
#include "levelplay/WorldHash.h"

#include <cstring>
#include <map>
#include <string>
#include <typeinfo>

#include "core/Entity.h"
#include "core/Game.h"
#include "core/MersenneTwister.h"
#include "graphics/FloatingMessage.h"
#include "levelplay/StatePlay.h"

namespace {
std::map<std::string, const int*>& counters() {
    static auto* all = new std::map<std::string, const int*>();
    return *all;
}

class Fnv {
public:
    void mix(const void* p, size_t n) {
        const unsigned char* b = (const unsigned char*)p;
        for (size_t i = 0; i < n; i++) {
            h ^= b[i];
            h *= 1099511628211ull;
        }
    }
    void mixInt(int v) { mix(&v, sizeof v); }
    uint64_t h = 1469598103934665603ull;
};
}

void addCounterToWorldHash(const char* name, const int* counter) { counters()[name] = counter; }

uint64_t worldHash() {
    Fnv f;
    f.mixInt(Entity::time);
    f.mixInt((int)Entity::entityVector.size());
    for (Entity* e : Entity::entityVector) {
        const char* kind = typeid(*e).name();
        f.mix(kind, std::strlen(kind));
        f.mixInt(e->numberOfHits);
        f.mix(&e->toBeDeleted, 1);
        f.mixInt(e->index);
        // A message's place depends on the font's metrics, not on the simulation.
        if (!dynamic_cast<FloatingMessage*>(e))
            f.mix(&e->position, sizeof(Coord));
    }
    // A counter at zero adds nothing, so that registering a new one leaves
    // the digest of every game that never uses it as it was.
    for (auto& counter : counters()) {
        if (*counter.second == 0)
            continue;
        f.mix(counter.first.data(), counter.first.size());
        f.mixInt(*counter.second);
    }
    f.mix(MersenneTwister::getState(), 624 * sizeof(uint32_t));
    f.mixInt(MersenneTwister::getIndex());
    f.mixInt(Game::getScore());
    f.mix(&StatePlay::gameIsFinished, 1);
    return f.h;
}
