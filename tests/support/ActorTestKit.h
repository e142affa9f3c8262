// Test kit for the actors: a closed arena with its own sticks, a stick script
// fed through the replay path, a count of the shared generator's draws, a
// hash of the world, and a still target that records what reaches it.
#pragma once

#include <AL/al.h>

#include <cstdint>
#include <functional>
#include <string>
#include <typeinfo>
#include <vector>

#include "actors/PlayerWeapon.h"
#include "core/CollisionShape.h"
#include "core/Coord.h"
#include "core/Device.h"
#include "core/Disk.h"
#include "core/Entity.h"
#include "core/Game.h"
#include "core/Joysticks.h"
#include "core/MersenneTwister.h"
#include "core/Quad.h"
#include "core/ReactsToWeaponOrPlayer.h"
#include "core/SerializedJoystickData.h"
#include "core/SpacePartition.h"
#include "graphics/Explosion.h"
#include "graphics/FloatingMessage.h"
#include "graphics/SoundManager.h"
#include "graphics/TexturedExplosionsHandler.h"
#include "levelplay/StatePlay.h"
#include "levelplay/WorldHash.h"

namespace actortest {

// Draws of the shared generator (Game::rand) since the counter was made or
// restarted.
class DrawCounter {
public:
    DrawCounter() : start(MersenneTwister::getDrawCount()) {}
    uint64_t count() const { return MersenneTwister::getDrawCount() - start; }
    void restart() { start = MersenneTwister::getDrawCount(); }

private:
    uint64_t start;
};

// Sounds played (unpositioned or positioned) since it was made: each play
// takes the next source of the sound manager's rotation. Needs an audio
// device (OpenAL's null output in tests).
class SoundCounter {
public:
    SoundCounter() : sounds(SoundManager::getInstance()), start(sounds->nextSource), wasEnabled(sounds->enabled) {
        sounds->enabled = true;
    }
    ~SoundCounter() { sounds->enabled = wasEnabled; }
    SoundCounter(const SoundCounter&) = delete;
    SoundCounter& operator=(const SoundCounter&) = delete;
    bool works() const { return sounds->hasDevice; }
    // Fewer than 100 plays between two reads.
    int count() const { return (sounds->nextSource - start + SoundManager::kSourceCount) % SoundManager::kSourceCount; }
    void restart() { start = sounds->nextSource; }

private:
    SoundManager* sounds;
    int start;
    bool wasEnabled;
};

// One step's stick record: angles in degrees (0 toward smaller y, 90 toward
// larger x, as the sticks give them), deflections 0 to 65.
inline SerializedJoystickData sticks(float moveAngle, float moveNorm, float shootAngle, float shootNorm) {
    SerializedJoystickData d;
    d.setMoveAngleAndNorm(moveAngle, moveNorm);
    d.setShootAngleAndNorm(shootAngle, shootNorm);
    return d;
}

// The stick record of each step (steps counted from 0).
using StickScript = std::function<SerializedJoystickData(int step)>;

// Class-wide settings the actors read or change, saved and put back: the
// play screen's sticks, ship model and camera, the sound switches, the sound
// listener and roll-off (the player moves the one, the ultimate ship sets the
// other), the level size and the wall grid.
class ClassStateGuard {
public:
    ClassStateGuard()
        : joysticks(StatePlay::joysticks), shipModel(StatePlay::shipModelSelected), camera(StatePlay::camera),
          canPlaySounds(Device::canPlaySoundEffects), explosionsOn(Explosion::isActivated),
          boundaries(SpacePartition::boundaries), boundariesSet(SpacePartition::boundariesAreInit),
          walls(CollisionShape::wsp) {
        SoundManager* sounds = SoundManager::getInstance();
        // The manager keeps the listener turned a quarter: (-y, x).
        listener = Coord(sounds->listenerPosition[1], -sounds->listenerPosition[0], 0.0f);
        if (sounds->hasDevice)
            alGetSourcef(sounds->sources[0], AL_ROLLOFF_FACTOR, &rollOff);
    }
    ~ClassStateGuard() {
        SoundManager* sounds = SoundManager::getInstance();
        sounds->setListenerPosition(listener);
        if (sounds->hasDevice)
            sounds->setRollOffFactor(rollOff);
        StatePlay::joysticks = joysticks;
        StatePlay::shipModelSelected = shipModel;
        StatePlay::camera = camera;
        Device::canPlaySoundEffects = canPlaySounds;
        Explosion::isActivated = explosionsOn;
        SpacePartition::boundaries = boundaries;
        SpacePartition::boundariesAreInit = boundariesSet;
        CollisionShape::init(walls);
    }
    ClassStateGuard(const ClassStateGuard&) = delete;
    ClassStateGuard& operator=(const ClassStateGuard&) = delete;

private:
    Joysticks* joysticks;
    int shipModel;
    Coord camera;
    bool canPlaySounds;
    bool explosionsOn;
    Coord boundaries;
    bool boundariesSet;
    WallsSpacePartitioner* walls;
    Coord listener;
    float rollOff = 0.0f;
};

// A level of the given size with both grids, a fresh world, the shared
// generator seeded and its own sticks as the play screen's. Walls are added
// with the helpers below; the world is reset when the arena goes.
class Arena {
public:
    explicit Arena(int width = 1024, int height = 1024, unsigned int seed = 1, int shipModel = 0) {
        StatePlay::joysticks = &joysticks;
        StatePlay::shipModelSelected = shipModel;
        Game::mtRand.seed(seed);
        partition = new SpacePartition();
        CollisionShape::init(&partition->walls);
        Entity::init(partition);
        SpacePartition::setBoundaries(Coord((float)width, (float)height, 0.0f));
        partition->initWithTheLoadedMap();
        TexturedExplosionsHandler::getInstance()->reset();
    }
    ~Arena() {
        Entity::reset();
        TexturedExplosionsHandler::getInstance()->reset();
        for (CollisionShape* s : shapes)
            delete s;
        delete partition;
    }
    Arena(const Arena&) = delete;
    Arena& operator=(const Arena&) = delete;

    // A quad whose first side (corner 1 to corner 2) faces the arena.
    Quad* quad(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4, int flags = 0) {
        Quad* q = new Quad(Coord(x1, y1, 0), Coord(x2, y2, 0), Coord(x3, y3, 0), Coord(x4, y4, 0), flags);
        shapes.push_back(q);
        return q;
    }
    // Four walls of the given thickness along the level's edges, facing in.
    void border(float thickness, int flags = 0) {
        float w = SpacePartition::boundaries.x, h = SpacePartition::boundaries.y, t = thickness;
        quad(0, t, w, t, w, 0, 0, 0, flags);
        quad(w - t, 0, w - t, h, w, h, w, 0, flags);
        quad(w, h - t, 0, h - t, 0, h, w, h, flags);
        quad(t, h, t, 0, 0, 0, 0, h, flags);
    }
    // A wall across the level at x, facing toward smaller x, from y0 to y1.
    Quad* wallFacingLeft(float x, float y0, float y1, float thickness = 20, int flags = 0) {
        return quad(x, y0, x, y1, x + thickness, y1, x + thickness, y0, flags);
    }
    Disk* disk(float x, float y, float radius) {
        Disk* d = new Disk(Coord(x, y, 0), radius);
        shapes.push_back(d);
        return d;
    }

    // Files the targets made since the last step into the entity grid.
    void refill() { partition->entities.fill(); }

    // One simulation step as the play screen runs it, sticks from a record.
    void step(SerializedJoystickData record) {
        joysticks.update(&record);
        TexturedExplosionsHandler::getInstance()->update();
        Entity::updateAll();
    }
    // The same with the sticks of the last record (held).
    void step() { step(held); }
    void hold(SerializedJoystickData record) { held = record; }
    void hold(float moveAngle, float moveNorm, float shootAngle, float shootNorm) {
        held = sticks(moveAngle, moveNorm, shootAngle, shootNorm);
    }
    void run(int steps) {
        for (int i = 0; i < steps; i++)
            step();
    }
    void run(int steps, const StickScript& script) {
        for (int i = 0; i < steps; i++)
            step(script(i));
    }

    ClassStateGuard guard;  // first made, last gone
    Joysticks joysticks;
    SpacePartition* partition;
    std::vector<CollisionShape*> shapes;
    SerializedJoystickData held;
};

// The live entities of a class, in world-list order (the order they were
// made, as long as none was destroyed).
template <class T>
std::vector<T*> entitiesOf() {
    std::vector<T*> out;
    for (Entity* e : Entity::entityVector)
        if (T* t = dynamic_cast<T*>(e))
            out.push_back(t);
    return out;
}

template <class T>
int countOf() {
    return (int)entitiesOf<T>().size();
}

// The world's digest, the one the replays are checked with.
using Hash = WorldDigest;
inline uint64_t worldHash(const std::vector<int>& counters = {}) { return ::worldHash(counters); }

// A still target that records what reaches it and answers a weapon as told.
class RecordingTarget : public ReactsToWeaponOrPlayer {
public:
    RecordingTarget(Coord p, int r, bool usesUpWeapons = true)
        : ReactsToWeaponOrPlayer(p, false, r), usesUp(usesUpWeapons) {}
    void update() override {}
    void draw() override {}
    bool reactToWeapon(PlayerWeapon* w) override {
        weapons.push_back(w);
        kinds.push_back(kindOf(w));
        return usesUp;
    }
    void reactToCollisionWithPlayerCallback(Entity* body) override { contacts.push_back(body); }

    bool usesUp;
    std::vector<PlayerWeapon*> weapons;  // valid only during the step
    std::vector<int> kinds;
    std::vector<Entity*> contacts;
};

}  // namespace actortest
