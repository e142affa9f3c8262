// The world digest.
#include "levelplay/WorldHash.h"

#include <map>
#include <typeinfo>

#include "core/Entity.h"
#include "core/Game.h"
#include "core/MersenneTwister.h"
#include "graphics/FloatingMessage.h"
#include "levelplay/StatePlay.h"

static std::map<std::string, const int*>& registeredCounters() {
    static auto* all = new std::map<std::string, const int*>();
    return *all;
}

void addCounterToWorldHash(const char* name, const int* counter) { registeredCounters()[name] = counter; }

uint64_t worldHash(const std::vector<int>& counters) {
    WorldDigest h;
    h.add(Entity::time);
    h.add((int)Entity::entityVector.size());
    for (Entity* e : Entity::entityVector) {
        if (dynamic_cast<FloatingMessage*>(e))
            continue;
        h.add(std::string(typeid(*e).name()));
        h.add(e->position.x);
        h.add(e->position.y);
        h.add(e->numberOfHits);
        h.add((int)e->toBeDeleted);
    }
    for (int c : counters)
        h.add(c);
    for (auto& counter : registeredCounters()) {
        if (*counter.second == 0)
            continue;
        h.add(counter.first);
        h.add(*counter.second);
    }
    h.add(MersenneTwister::getState(), 624 * sizeof(uint32_t));
    h.add(MersenneTwister::getIndex());
    // Like the counters, the score and the end flag add nothing at their
    // start values, so that a world without a level hashes as it always did.
    if (Game::getScore() != 0) {
        h.add(std::string("score"));
        h.add(Game::getScore());
    }
    if (StatePlay::gameIsFinished)
        h.add(std::string("finished"));
    return h.value();
}
