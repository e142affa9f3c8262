// The world list: registration, the simulation step, drawing and reset.
#include "core/Entity.h"

#include <cstdint>
#include <deque>
#include <new>
#include <unordered_map>
#include <vector>

#include "core/EntitiesSpacePartitioner.h"
#include "core/PlayContext.h"
#include "core/SpacePartition.h"
#include "core/WallsSpacePartitioner.h"

int Entity::time = 0;
std::vector<Entity*> Entity::entityVector;
SpacePartition* Entity::spacePartition = nullptr;
TexturedExplosionsHandler* Entity::explosions = nullptr;
SoundManager* Entity::soundManager = nullptr;
Entity::ResetHook Entity::resetExplosionsAndSound = nullptr;

static std::vector<Entity::ResetHook>& resetHooks() {
    static std::vector<Entity::ResetHook> hooks;
    return hooks;
}

// Zero-initialised before any code runs: no slots yet.
Entity::AddressSet Entity::liveSet;

void Entity::AddressSet::insert(const void* p) {
    // At most half full, so that a look-up seldom probes past its home slot.
    if (!slots || (count + 1) * 2 > mask + 1)
        grow();
    size_t i = home(p, mask);
    while (slots[i]) {
        if (slots[i] == p)
            return;
        i = (i + 1) & mask;
    }
    slots[i] = p;
    count++;
}

// Removes p and moves up the entries probed past its slot, so that no
// search stops early at the hole.
void Entity::AddressSet::erase(const void* p) {
    if (!slots)
        return;
    size_t i = home(p, mask);
    while (slots[i] != p) {
        if (!slots[i])
            return;
        i = (i + 1) & mask;
    }
    for (size_t j = (i + 1) & mask; slots[j]; j = (j + 1) & mask) {
        size_t k = home(slots[j], mask);
        // The entry at j stays when its home lies cyclically in (i, j].
        bool stays = i <= j ? (i < k && k <= j) : (i < k || k <= j);
        if (!stays) {
            slots[i] = slots[j];
            i = j;
        }
    }
    slots[i] = nullptr;
    count--;
}

void Entity::AddressSet::grow() {
    const void** old = slots;
    size_t oldSize = old ? mask + 1 : 0;
    size_t size = old ? oldSize * 2 : 64;
    slots = new const void*[size]();
    mask = size - 1;
    count = 0;
    for (size_t i = 0; i < oldSize; i++)
        if (old[i])
            insert(old[i]);
    delete[] old;
}

// Membership look-ups only: never iterated, so its order cannot reach the
// simulation.

static std::unordered_map<const void*, int>& lastHits() {
    static std::unordered_map<const void*, int> hits;
    return hits;
}

void* Entity::operator new(size_t size) { return ::operator new(size); }

void Entity::operator delete(void* p) {
    if (!p)
        return;
    // Never destroyed: entities may still be deleted while the program exits.
    static std::deque<void*>* waiting = new std::deque<void*>;
    waiting->push_back(p);
    if (waiting->size() > QUARANTINE) {
        ::operator delete(waiting->front());
        waiting->pop_front();
    }
}

static Entity::PlayerDistance playerSquareDistance = nullptr;
static Entity::PlayerDistance playerDistance = nullptr;

Entity::Entity(bool collides) : position(1.0f, 1.0f, 0.0f), collidesWithWalls(collides) { init(); }

Entity::Entity(Coord p, bool collides) : position(p), collidesWithWalls(collides) { init(); }

void Entity::init() {
    numberOfHits = 0;
    subclassFlag = false;
    toBeDeleted = false;
    index = (int)entityVector.size();
    entityVector.push_back(this);
    liveSet.insert(this);
}

Entity::~Entity() {
    liveSet.erase(this);
    lastHits()[this] = numberOfHits;
    int n = (int)entityVector.size();
    if (index < 0 || index >= n || entityVector[index] != this)
        return;
    if (n == 1) {
        // The last entity gone: the list gives its storage back.
        std::vector<Entity*>().swap(entityVector);
        return;
    }
    Entity* last = entityVector.back();
    entityVector.pop_back();
    last->index = index;
    if (last != this)
        entityVector[index] = last;
}

bool Entity::calculateIfIsVisible(float margin) { return PlayContext::getMaxDistanceOffCamera(this) < margin; }

float Entity::getSquareDistanceFromPlayer() { return playerSquareDistance ? playerSquareDistance(position) : 99999.0f; }

float Entity::getDistanceFromPlayer() { return playerDistance ? playerDistance(position) : 99999.0f; }

void Entity::setPlayerDistanceFunctions(PlayerDistance squareDistance, PlayerDistance distance) {
    playerSquareDistance = squareDistance;
    playerDistance = distance;
}

int Entity::lastHitsOf(const void* p) {
    auto it = lastHits().find(p);
    return it == lastHits().end() ? 0 : it->second;
}

void Entity::addResetHook(ResetHook hook) {
    for (ResetHook h : resetHooks())
        if (h == hook)
            return;
    resetHooks().push_back(hook);
}

void Entity::detectCollisionWithWalls() {
    if (!spacePartition)
        return;
    WallsSpacePartitioner& walls = spacePartition->walls;
    CollisionShape* shape = walls.getFirstObject(position);
    if (!shape)
        return;
    shape->projectOnSide(&position);
    for (int i = 0; i < 5; i++) {
        shape = walls.getFirstObject(position);
        if (!shape)
            return;
        shape->projectOnSide(&position);
    }
}

void Entity::updateAll() {
    time++;
    // Entities made during this step wait for the next one.
    int n = (int)entityVector.size();
    for (int i = 0; i < n; i++)
        entityVector[i]->update();
    if (spacePartition) {
        for (int i = 0; i < n; i++) {
            Entity* e = entityVector[i];
            if (e->collidesWithWalls)
                e->detectCollisionWithWalls();
        }
    }
    // The list is read again after each deletion: a destructor may shrink it
    // (and, in a faulty actor, even grow it); a slot that received the last
    // element is looked at again.
    size_t i = 0;
    for (;;) {
        Entity* const* list = entityVector.data();
        size_t size = entityVector.size();
        while (i < size && !list[i]->toBeDeleted)
            i++;
        if (i >= size)
            break;
        delete list[i];
    }
    if (spacePartition)
        spacePartition->entities.fill();
}

void Entity::drawAll(float tiltX, float tiltY, float turn) {
    int n = (int)entityVector.size();
    if (tiltX == 0.0f && tiltY == 0.0f && turn == 0.0f) {
        PlayContext::calculateCameraLimits();
        for (int i = 0; i < n; i++) {
            Entity* e = entityVector[i];
            if (e->isVisible())
                e->draw();
        }
    } else {
        for (int i = 0; i < n; i++)
            entityVector[i]->draw();
    }
}

void Entity::reset() {
    // Looping on the live size: an entity made by a destructor is destroyed too.
    while (!entityVector.empty()) {
        Entity* e = entityVector[0];
        if (e)
            delete e;
        else
            entityVector.erase(entityVector.begin());
    }
    if (resetExplosionsAndSound)
        resetExplosionsAndSound();
    std::vector<Entity*>().swap(entityVector);
    spacePartition = nullptr;
    for (ResetHook hook : resetHooks())
        hook();
    lastHits().clear();
    time = 0;
}

void Entity::init(SpacePartition* partition) {
    reset();
    spacePartition = partition;
}
