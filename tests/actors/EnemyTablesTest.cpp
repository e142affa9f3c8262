// Cross-class tables of the enemies: what a null weapon does to each, how
// long each appears, and how many draws of the shared generator each makes.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "EnemyTestSupport.h"
#include "actors/BadBulletHelicopter.h"
#include "actors/BadBulletLua.h"
#include "actors/BadBulletMotherShip.h"
#include "actors/Fan.h"
#include "actors/HardDisk.h"
#include "actors/MulticolorBAF.h"
#include "actors/Spring.h"
#include "actors/TeletransportingZone.h"

using actortest::Arena;
using actortest::DrawCounter;
using enemytest::Weapon;

namespace {

struct NullWeaponCase {
    const char* name;
    std::function<ReactsToWeaponOrPlayer*()> make;
    int stepsFirst;  // past any appearing phase
    bool usedUp;
    // What the hit must have done, checked on the live object.
    std::function<void(ReactsToWeaponOrPlayer*)> check;
};

Coord at(float x, float y) { return Coord(x, y, 0.0f); }

}  // namespace

// Every target accepts a null weapon (one enemy projectile passes none).
// Run under the sanitizers, this also shows that no class reads through it.
TEST(EnemyTables, NullWeapon) {
    Color white(1.0f, 1.0f, 1.0f);
    const NullWeaponCase cases[] = {
        {"Teleporter", [] { return new Teleporter(at(500, 500)); }, 0, true,
         [](ReactsToWeaponOrPlayer* t) {
             EXPECT_EQ(t->numberOfHits, 1);
             EXPECT_EQ(((Teleporter*)t)->state, 1);
         }},
        {"Sucider", [] { return new Sucider(at(500, 500), 0, Sucider::BIG, false); }, 0, true,
         [](ReactsToWeaponOrPlayer* t) { EXPECT_EQ(((Sucider*)t)->life, 399); }},
        {"Splitter", [] { return new Splitter(at(500, 500)); }, 101, false,
         [](ReactsToWeaponOrPlayer* t) { EXPECT_EQ(((Splitter*)t)->life, 5); }},
        {"SplitterPart", [] { return new SplitterPart(at(500, 500), 0); }, 0, false,
         [](ReactsToWeaponOrPlayer* t) { EXPECT_EQ(((SplitterPart*)t)->life, 2); }},
        {"MotherShip", [] { return new MotherShip(at(500, 500), 60, 0, true); }, 2, false,
         [](ReactsToWeaponOrPlayer* t) { EXPECT_EQ(t->numberOfHits, 0); }},
        {"Spiny", [] { return new Spiny(at(500, 500), 0, 0); }, 0, true,
         [](ReactsToWeaponOrPlayer* t) { EXPECT_TRUE(t->toBeDeleted); }},
        {"RollingCube", [] { return new RollingCube(at(500, 500), 25, 6); }, 0, true,
         [](ReactsToWeaponOrPlayer* t) { EXPECT_TRUE(t->toBeDeleted); }},
        {"BackAndForth", [] { return new BackAndForth(at(500, 500), 0, 0, 2); }, 41, true,
         [](ReactsToWeaponOrPlayer* t) { EXPECT_EQ(((BackAndForth*)t)->life, 6); }},
        {"MulticolorBAF", [] { return new MulticolorBAF(at(500, 500), 0, true, true, true, 2); }, 41, true,
         [](ReactsToWeaponOrPlayer* t) {
             MulticolorBAF* m = (MulticolorBAF*)t;
             EXPECT_TRUE(m->red && m->green && m->blue);
             EXPECT_FALSE(m->toBeDeleted);
         }},
        {"OptimizedBAF", [] { return new OptimizedBAF(at(500, 500), 0); }, 0, true,
         [](ReactsToWeaponOrPlayer* t) { EXPECT_TRUE(t->toBeDeleted); }},
        {"SnakeElement", [] { return new SnakeElement(at(500, 500), 0, 0, nullptr); }, 0, true,
         [](ReactsToWeaponOrPlayer* t) { EXPECT_EQ(((SnakeElement*)t)->life, 3); }},
        {"Planner", [] { return new Planner(at(500, 500)); }, 0, true,
         [](ReactsToWeaponOrPlayer* t) { EXPECT_TRUE(t->toBeDeleted); }},
        {"Fan", [] { return new Fan(at(500, 500)); }, 0, false, [](ReactsToWeaponOrPlayer*) {}},
        {"HardDisk", [] { return new HardDisk(at(500, 500), 40); }, 0, true,
         [](ReactsToWeaponOrPlayer* t) { EXPECT_EQ(((HardDisk*)t)->getHitCount(), 1); }},
        {"BadBulletLua",
         [white] {
             Color c = white;
             return new BadBulletLua(at(500, 500), 0, 0, c, 0);
         },
         0, false, [](ReactsToWeaponOrPlayer* t) { EXPECT_FALSE(t->toBeDeleted); }},
        {"BadBulletHelicopter", [] { return new BadBulletHelicopter(at(500, 500), 0, 0); }, 0, false,
         [](ReactsToWeaponOrPlayer* t) { EXPECT_FALSE(t->toBeDeleted); }},
        {"BadBulletMotherShip",
         [white] {
             Color c = white;
             return new BadBulletMotherShip(at(500, 500), 0, 0, c);
         },
         0, false, [](ReactsToWeaponOrPlayer* t) { EXPECT_FALSE(t->toBeDeleted); }},
    };
    for (const NullWeaponCase& c : cases) {
        SCOPED_TRACE(c.name);
        Arena arena;
        ReactsToWeaponOrPlayer* t = c.make();
        arena.run(c.stepsFirst);
        ASSERT_TRUE(Entity::isLive(t));
        EXPECT_EQ(t->reactToWeapon(nullptr), c.usedUp);
        c.check(t);
        arena.run(2);
    }
}

namespace {

struct AppearingCase {
    const char* name;
    std::function<ReactsToWeaponOrPlayer*()> make;
    int stillSteps;        // updates during which it does not move
    int refusedUpTo;       // shots return false through this many updates (-1: never)
    bool hurtsWhileStill;  // contact counts during the still phase
};

}  // namespace

TEST(EnemyTables, Appearing) {
    const AppearingCase cases[] = {
        {"BackAndForth", [] { return new BackAndForth(at(500, 500), 0, 0, 2); }, 41, 40, false},
        {"OptimizedBAF", [] { return new OptimizedBAF(at(500, 500), 0); }, 10, -1, true},
        {"Splitter", [] { return new Splitter(at(500, 500)); }, 100, 99, false},
        {"MotherShip", [] { return new MotherShip(at(500, 500), 60, 0, false); }, 181, 180, false},
        {"MotherShipFromSeed", [] { return new MotherShip(at(500, 500), 90, 0, true); }, 1, 0, false},
        {"Planner", [] { return new Planner(at(500, 500)); }, 50, -1, true},
        {"Spiny", [] { return new Spiny(at(500, 500), 0, 0); }, 50, -1, true},
    };
    for (const AppearingCase& c : cases) {
        SCOPED_TRACE(c.name);
        // One run finds the still phase, a second the shots, a third the contact.
        {
            Arena arena;
            new Player(at(100, 100));
            ReactsToWeaponOrPlayer* t = c.make();
            Coord start = t->position;
            arena.run(c.stillSteps);
            EXPECT_EQ(t->position.x, start.x);
            EXPECT_EQ(t->position.y, start.y);
            arena.step();
            EXPECT_NE(t->position.x - start.x + t->position.y - start.y, 0.0f);
        }
        {
            Arena arena;
            ReactsToWeaponOrPlayer* t = c.make();
            Weapon bullet(1);
            if (c.refusedUpTo >= 0) {
                arena.run(c.refusedUpTo);
                EXPECT_FALSE(t->reactToWeapon(&bullet));
                arena.step();
            }
            EXPECT_TRUE(t->reactToWeapon(&bullet));
        }
        {
            Arena arena;
            Player* p = new Player(at(100, 100));
            ReactsToWeaponOrPlayer* t = c.make();
            t->reactToCollisionWithPlayerCallback(p);
            EXPECT_EQ(Player::getHitNumber() > 0, c.hurtsWhileStill);
        }
    }
}

namespace {

struct DrawCase {
    const char* name;
    std::function<void()> make;
    int draws;
};

}  // namespace

// Draws at construction; the per-step draws are counted in each class's tests.
TEST(EnemyTables, DrawsAtConstruction) {
    Color c(1.0f, 1.0f, 1.0f);
    const DrawCase cases[] = {
        {"Teleporter", [] { new Teleporter(at(500, 500)); }, 0},
        {"Sucider", [] { new Sucider(at(500, 500), 0, Sucider::SMALL, false); }, 2},
        {"SuciderHatched", [] { new Sucider(at(500, 500), 0, Sucider::MEDIUM, true); }, 2},
        {"SuciderBadType", [] { new Sucider(at(500, 500), 0, (Sucider::Type)7, false); }, 2},
        {"Splitter", [] { new Splitter(at(500, 500)); }, 3},
        {"SplitterPart", [] { new SplitterPart(at(500, 500), 0); }, 1},
        {"Spiny", [] { new Spiny(at(500, 500), 0, 0); }, 3},
        {"Snake", [] { new SnakeElement(at(500, 500), 0, 5, nullptr); }, 0},
        {"RollingCube", [] { new RollingCube(at(500, 500), 25, 6); }, 1},
        {"Planner", [] { new Planner(at(500, 500)); }, 0},
        {"MotherShip", [] { new MotherShip(at(500, 500), 60, -1.0f, false); }, 3},
        {"MotherShipWithAngle", [] { new MotherShip(at(500, 500), 60, 30.0f, false); }, 2},
        {"BadBulletMotherShip",
         [c] {
             Color k = c;
             new BadBulletMotherShip(at(500, 500), 0, 1, k);
         },
         4},
        {"BadBulletLua",
         [c] {
             Color k = c;
             new BadBulletLua(at(500, 500), 0, 1, k, 0);
         },
         0},
        {"BadBulletHelicopter", [] { new BadBulletHelicopter(at(500, 500), 0); }, 0},
        {"BackAndForth", [] { new BackAndForth(at(500, 500), 0, 0, 2); }, 0},
        {"MulticolorBAF", [] { new MulticolorBAF(at(500, 500), 0, true, false, true, 2); }, 0},
        {"OptimizedBAF", [] { new OptimizedBAF(at(500, 500), 5); }, 0},
        {"Spring", [] { new Spring(at(500, 500), Spring::BAND, 1); }, 0},
        {"Fan", [] { new Fan(at(500, 500)); }, 0},
        {"HardDisk", [] { new HardDisk(at(500, 500), 30); }, 0},
        {"TeletransportingZone", [] { new TeletransportingZone(0, 100, 0, 100); }, 0},
    };
    for (const DrawCase& d : cases) {
        SCOPED_TRACE(d.name);
        Arena arena;
        DrawCounter draws;
        d.make();
        EXPECT_EQ(draws.count(), (uint64_t)d.draws);
    }
}

// Classes that draw nothing while they live: a long run with a player who
// touches none of them costs no draw.
TEST(EnemyTables, NoDrawsWhileLiving) {
    Arena arena(2048, 2048);
    arena.border(20);
    new Player(at(1000, 1900));
    Color c(1.0f, 1.0f, 1.0f);
    new BackAndForth(at(300, 300), 30, 0, 2);
    new MulticolorBAF(at(600, 300), 120, true, false, false, 2);
    new OptimizedBAF(at(900, 300), 1);
    new OptimizedBAF(at(900, 500), 10);
    new Spring(at(1000, 1700), Spring::ROPE, 2);
    new Fan(at(1500, 1500));
    new HardDisk(at(200, 1500), 40);
    new TeletransportingZone(10, 2040, 10, 2040);
    new BadBulletLua(at(1000, 1000), 45, 1, c, 3);
    new BadBulletHelicopter(at(1000, 1000), 100);
    DrawCounter draws;
    arena.run(600);
    EXPECT_EQ(draws.count(), 0u);
}

// A script may write the hit counters before any such enemy exists; a new
// game clears them, and every live counter, all the same.
TEST(EnemyTables, ResetClearsTheCounters) {
    {
        Arena arena;
        new Sucider(at(500, 500), 0, Sucider::SMALL, false);
        new OptimizedBAF(at(500, 500), 0);
        new SnakeElement(at(500, 500), 0, 3, nullptr);
        MotherShip::numberOfTimesThePlayerGotHit = 4;
        SnakeElement::numberOfTimesThePlayerGotHit = 3;
        OptimizedBAF::count[17] = 9;
    }
    for (int c : enemytest::enemyCounters())
        EXPECT_EQ(c, 0);
    EXPECT_EQ(OptimizedBAF::count[17], 0);
}
