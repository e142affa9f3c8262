// Base of every object of the game world, and the world list that owns them all.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/Coord.h"

class SpacePartition;
class TexturedExplosionsHandler;
class SoundManager;

// Every entity is registered in one class-wide list at construction and is
// destroyed only by the world update (when its delete flag is set) or by reset.
// The list is unordered: a removed entity's slot takes the last element.
class Entity {
public:
    explicit Entity(bool collidesWithWalls);
    Entity(Coord position, bool collidesWithWalls);
    virtual ~Entity();

    virtual void draw() = 0;
    virtual void update() = 0;
    virtual bool isVisible() { return true; }
    virtual void teleport(float x, float y) {
        position.x = x;
        position.y = y;
    }

    void setCoord(Coord& c) { position = c; }
    Coord getCoord() { return position; }
    void setIndex(int i) { index = i; }
    int getIndex() { return index; }
    int getNumberOfHits() { return numberOfHits; }
    static int getTime() { return time; }
    static void setTime(int t) { time = t; }

    // True when the entity lies less than margin outside the visible rectangle.
    bool calculateIfIsVisible(float margin);
    bool calculateIfIsVisible() { return calculateIfIsVisible(0.0f); }
    float getSquareDistanceFromPlayer();
    float getDistanceFromPlayer();
    // Pushes the position out of the walls that contain it, at most six times.
    void detectCollisionWithWalls();

    static void updateAll();
    static void drawAll(float tiltX, float tiltY, float turn);
    static void reset();
    static void init(SpacePartition* partition);

    // Class-wide state of other classes (live counters, shared models, the
    // player pointer) is cleared by reset through hooks that each class adds
    // once; they run in the order they were added.
    typedef void (*ResetHook)();
    static void addResetHook(ResetHook hook);
    // Takes up the world's explosions and sound again (sets explosions and
    // soundManager, empties the explosions), early in every reset; the
    // graphics, where both live, set it.
    static ResetHook resetExplosionsAndSound;

    // The player's distance functions; without them (no player class, or no
    // player) every distance is 99999.0.
    typedef float (*PlayerDistance)(Coord& position);
    static void setPlayerDistanceFunctions(PlayerDistance squareDistance, PlayerDistance distance);

    // Checked handles: whether the address is a live entity right now, and the
    // hit count an entity had when it was destroyed since the last reset
    // (0 when none was). Look-ups only; the sets are never iterated.
    static bool isLive(const void* p) { return p && liveSet.contains(p); }
    static int lastHitsOf(const void* p);

    // A script's handle is an entity's address. The memory of a deleted
    // entity waits behind the next QUARANTINE deletions before the allocator
    // may hand it out again, so that a handle kept past its object's end
    // reads as gone instead of naming the next object made there.
    static const size_t QUARANTINE = 4096;
    static void* operator new(size_t size);
    static void operator delete(void* p);

    bool toBeDeleted;
    bool subclassFlag;
    Coord position;
    bool collidesWithWalls;
    int numberOfHits;
    int index;

    static int time;
    static std::vector<Entity*> entityVector;
    static SpacePartition* spacePartition;
    static TexturedExplosionsHandler* explosions;
    static SoundManager* soundManager;

private:
    void init();

    // The addresses of the live entities: an open-addressed table probed in
    // order from a slot mixed from the address, asked by the script module for
    // every handle it is given. Never iterated, so its order cannot reach the
    // simulation. Plain data, empty before the first entity, and never
    // destroyed: entities may still be deleted while the program exits.
    class AddressSet {
    public:
        bool contains(const void* p) const {
            if (!slots)
                return false;
            for (size_t i = home(p, mask);; i = (i + 1) & mask) {
                const void* s = slots[i];
                if (s == p)
                    return true;
                if (!s)
                    return false;
            }
        }
        // p is never null.
        void insert(const void* p);
        void erase(const void* p);

    private:
        static size_t home(const void* p, size_t mask) {
            uint64_t v = (uint64_t)(uintptr_t)p;
            return (size_t)((v * 0x9E3779B97F4A7C15ull) >> 32) & mask;
        }
        void grow();

        const void** slots;  // mask + 1 of them, or none yet
        size_t mask;
        size_t count;
    };
    static AddressSet liveSet;
};
