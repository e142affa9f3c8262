// A seeded test world: an arena with walls of every kind, movers that steer by
// the sticks, bounce, touch each other through the entity grid, die in
// explosions and are replaced. Shared by the determinism test, the scene
// picture and the steps-per-second benchmark.
#pragma once

#include <GLES/gl.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "core/Disk.h"
#include "core/Entity.h"
#include "core/Game.h"
#include "core/InnerDisk.h"
#include "core/Joysticks.h"
#include "core/Quad.h"
#include "core/QuadTeletransport.h"
#include "core/ReactsToWeaponOrPlayer.h"
#include "core/SpacePartition.h"
#include "graphics/Explosion.h"
#include "graphics/FloatingMessage.h"
#include "graphics/PlayerExplosion.h"
#include "graphics/TexturedExplosionsHandler.h"
#include "graphics/VectorModel.h"

namespace scene {

// The sticks the movers read; the scene owns it.
inline Joysticks*& sticks() {
    static Joysticks* s = nullptr;
    return s;
}

inline int& moverCount() {
    static int count = 0;
    return count;
}

class Mover : public ReactsToWeaponOrPlayer {
public:
    Mover(Coord p, float heading_)
        : ReactsToWeaponOrPlayer(p, true, 12), heading(heading_), speed(3.0f + Game::rand() % 4) {
        moverCount()++;
    }
    ~Mover() override { moverCount()--; }

    void update() override {
        Joysticks* js = sticks();
        // The move stick turns every mover a little toward its direction.
        float target = (float)((js->getMoveJoystickAngle() - 90.0f) * M_PI / 180.0);
        heading += (float)(std::sin(target - heading) * js->getMoveJoystickNorm() * 0.001);
        heading += (float)((Game::rand() % 100 - 50) * 0.002);
        Coord next(position.x + std::cos(heading) * speed, position.y + std::sin(heading) * speed, 0.0f);
        CollisionShape* wall = spacePartition->walls.getFirstObject(next);
        if (wall) {
            float n = wall->getAngleOfNormal(next);
            heading = (float)(n + M_PI - (heading - n));
        }
        position = next;
        // Contact with other movers through the grid of the previous step.
        for (Link* l = spacePartition->entities.getLink(position); l; l = l->next) {
            ReactsToWeaponOrPlayer* t = (ReactsToWeaponOrPlayer*)l->object;
            if (t != this && t->isPointInside(position, 4))
                t->reactToCollisionWithPlayerCallback(this);
        }
        if (numberOfHits >= 25 && !toBeDeleted) {
            toBeDeleted = true;
            new PlayerExplosion(position, Color(1.0f, 0.6f, 0.1f, 1.0f));
            new FloatingMessage(position, "POP", Color(1.0f, 1.0f, 0.0f));
            float x = 300.0f + Game::rand() % 1400, y = 300.0f + Game::rand() % 900;
            new Mover(Coord(x, y, 0.0f), (float)(Game::rand() % 628) / 100.0f);
        }
    }
    void draw() override;
    bool reactToWeapon(PlayerWeapon*) override { return false; }
    void reactToCollisionWithPlayerCallback(Entity*) override {
        numberOfHits++;
        if (numberOfHits % 8 == 0)
            new Explosion(position, numberOfHits / 8 % 9, 60, 1.0f);
    }

    float heading;
    float speed;
};

// A small diamond, green, turning yellow as it is hit.
inline void Mover::draw() {
    float v[8] = {position.x - 12, position.y, position.x, position.y - 12,
                  position.x + 12, position.y, position.x, position.y + 12};
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glColor4f(numberOfHits / 25.0f, 1.0f, 0.2f, 1.0f);
    glVertexPointer(2, GL_FLOAT, 0, v);
    glDrawArrays(GL_LINE_LOOP, 0, 4);
}

class World {
public:
    static const int WIDTH = 2000;
    static const int HEIGHT = 1500;

    explicit World(unsigned int seed, int movers = 120) {
        // Graphics are loaded before seeding: a graphic script may draw from
        // the shared generator, and models are loaded once.
        joysticks.init();
        VectorModel::loadFromLuaScript("/data/graphics/bombGraphic.lua");
        Game::mtRand.seed(seed);
        partition = new SpacePartition();
        CollisionShape::init(&partition->walls);
        Entity::init(partition);
        sticks() = &joysticks;
        // Border walls, each with its first side facing the arena.
        quad(0, 40, 2000, 40, 2000, 0, 0, 0);
        quad(1960, 0, 1960, 1500, 2000, 1500, 2000, 0);
        quad(2000, 1460, 0, 1460, 0, 1500, 2000, 1500);
        quad(40, 1500, 40, 0, 0, 0, 0, 1500);
        // Pillars and a slanted block inside.
        quad(600, 500, 700, 450, 760, 560, 640, 600);
        shapes.push_back(new QuadTeletransport(Coord(1300, 900, 0), Coord(1400, 900, 0), Coord(1400, 1000, 0),
                                               Coord(1300, 1000, 0), 0));
        shapes.push_back(new Disk(Coord(1000, 750, 0), 90.0f));
        shapes.push_back(new Disk(Coord(450, 1100, 0), 60.0f));
        shapes.push_back(new InnerDisk(Coord(1000, 750, 0), 720.0f, 0));
        SpacePartition::setBoundaries(Coord((float)WIDTH, (float)HEIGHT, 0.0f));
        partition->initWithTheLoadedMap();
        for (int i = 0; i < movers; i++) {
            float x = 400.0f + Game::rand() % 1200, y = 350.0f + Game::rand() % 800;
            new Mover(Coord(x, y, 0.0f), (float)(Game::rand() % 628) / 100.0f);
        }
    }
    ~World() {
        Entity::reset();
        for (CollisionShape* s : shapes)
            delete s;
        delete partition;
        sticks() = nullptr;
    }

    // The stick record of step i: a slow sweep of both sticks.
    static SerializedJoystickData record(int i) {
        SerializedJoystickData d;
        d.setMoveAngleAndNorm((float)((i * 3) % 361 - 180), (float)((i / 7) % 66));
        d.setShootAngleAndNorm((float)((i * 5) % 361 - 180), (float)((i / 3) % 66));
        return d;
    }

    void step(int i) {
        SerializedJoystickData d = record(i);
        joysticks.update(&d);
        TexturedExplosionsHandler::getInstance()->update();
        Entity::updateAll();
    }

    // Positions, counters and the generator's state, folded into 64 bits.
    static uint64_t hash() {
        uint64_t h = 1469598103934665603ull;
        auto mix = [&h](const void* p, size_t n) {
            const unsigned char* b = (const unsigned char*)p;
            for (size_t i = 0; i < n; i++) {
                h ^= b[i];
                h *= 1099511628211ull;
            }
        };
        int t = Entity::time, n = (int)Entity::entityVector.size(), m = moverCount();
        mix(&t, 4);
        mix(&n, 4);
        mix(&m, 4);
        for (Entity* e : Entity::entityVector) {
            // A message's height depends on the font's metrics, not on the simulation.
            if (dynamic_cast<FloatingMessage*>(e))
                continue;
            mix(&e->position, sizeof(Coord));
            mix(&e->numberOfHits, 4);
            mix(&e->toBeDeleted, 1);
            mix(&e->index, 4);
        }
        mix(MersenneTwister::getState(), 624 * 4);
        int p = MersenneTwister::getIndex();
        mix(&p, 4);
        return h;
    }

    SpacePartition* partition;
    std::vector<CollisionShape*> shapes;
    Joysticks joysticks;

private:
    void quad(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4) {
        shapes.push_back(new Quad(Coord(x1, y1, 0), Coord(x2, y2, 0), Coord(x3, y3, 0), Coord(x4, y4, 0), 0));
    }
};

}  // namespace scene
