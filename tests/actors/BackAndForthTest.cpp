// Back-and-forth enemies, the multicolour kind and the lane enemy.
#include <gtest/gtest.h>

#include <cmath>

#include "EnemyTestSupport.h"
#include "actors/MulticolorBAF.h"

using actortest::Arena;
using enemytest::SoundRecorder;
using enemytest::Weapon;

// A disk's normal points out of it: met from the left it is 180 degrees,
// and 180 + 180 - (0 - 180) = 540 (a quad gives its first side's inward
// normal, 0 here, and 180: the same direction).
TEST(BackAndForth, BouncesOffAWallWithoutWrapping) {
    {
        Arena arena(2048, 2048);
        arena.disk(700, 1000, 100);
        BackAndForth* b = new BackAndForth(Coord(500, 1000, 0), 0, 0, 2);
        arena.run(41);
        int steps = 0;
        while (b->angle == 0.0f && steps++ < 100)
            arena.step();
        EXPECT_NEAR(b->angle, 540.0f, 1e-3);
        EXPECT_NEAR(b->drawAngle, 630.0f, 1e-3);
        EXPECT_NEAR(b->velocity.x, -2.0f, 1e-5);
        EXPECT_NEAR(b->velocity.y, 0.0f, 1e-5);
        EXPECT_NEAR(b->position.x, 580.0f, 2.0f);
    }
    Arena second(2048, 2048);
    second.wallFacingLeft(600, 0, 2048);
    BackAndForth* q = new BackAndForth(Coord(500, 1000, 0), 0, 0, 2);
    second.run(100);
    EXPECT_EQ(q->angle, 180.0f);
}

namespace {

struct KindCase {
    int kind;
    int radius;
    int hitsToKill;
    bool halfSize;
};

}  // namespace

TEST(BackAndForth, Kinds) {
    const KindCase cases[] = {{0, 30, 7, false}, {2, 15, 1, true}, {5, 30, 1, false}, {-3, 30, 1, false}};
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.kind);
        Arena arena;
        BackAndForth* b = new BackAndForth(Coord(500, 500, 0), 0, c.kind, 2);
        EXPECT_EQ(b->radius, c.radius);
        EXPECT_EQ(b->halfSize, c.halfSize);
        arena.run(41);
        Weapon bullet(1);
        for (int i = 1; i < c.hitsToKill; i++) {
            EXPECT_TRUE(b->reactToWeapon(&bullet));
            EXPECT_EQ(b->flashUntil, Entity::time + 2);
            EXPECT_FALSE(b->toBeDeleted);
        }
        EXPECT_TRUE(b->reactToWeapon(&bullet));
        EXPECT_TRUE(b->toBeDeleted);
        EXPECT_FALSE(b->reactToWeapon(&bullet));
    }
    Arena arena;
    BackAndForth* tough = new BackAndForth(Coord(500, 500, 0), 0, 3, 2);
    EXPECT_EQ(tough->life, 999999);
}

TEST(BackAndForth, ContactCostsOneOnceFlying) {
    Arena arena;
    Player* p = new Player(Coord(100, 100, 0));
    BackAndForth* b = new BackAndForth(Coord(500, 500, 0), 0, 0, 2);
    b->reactToCollisionWithPlayerCallback(p);
    EXPECT_EQ(Player::getHitNumber(), 0);
    arena.run(41);
    b->reactToCollisionWithPlayerCallback(p);
    b->reactToCollisionWithPlayerCallback(p);
    EXPECT_EQ(Player::getHitNumber(), 1);
}

TEST(MulticolorBAF, ColourShotsClearFlags) {
    Arena arena;
    MulticolorBAF* m = new MulticolorBAF(Coord(500, 500, 0), 0, true, true, false, 2);
    EXPECT_EQ(m->colour.r, 1.0f);
    EXPECT_EQ(m->colour.g, 1.0f);
    EXPECT_EQ(m->colour.b, 0.0f);
    arena.run(41);
    Weapon red(1, Color::COLOR_TYPE_RED), green(1, Color::COLOR_TYPE_GREEN), blue(3, Color::COLOR_TYPE_BLUE);
    Weapon white(1);
    EXPECT_TRUE(m->reactToWeapon(&blue));
    EXPECT_TRUE(m->reactToWeapon(&white));
    EXPECT_TRUE(m->red && m->green);
    EXPECT_TRUE(m->reactToWeapon(&red));
    EXPECT_FALSE(m->red);
    EXPECT_EQ(m->colour.r, 2.0f / 255.0f);
    EXPECT_EQ(m->colour.g, 1.0f);
    EXPECT_EQ(m->colour.b, 40.0f / 255.0f);
    EXPECT_TRUE(m->reactToWeapon(&red));
    EXPECT_FALSE(m->toBeDeleted);
    EXPECT_TRUE(m->reactToWeapon(&green));
    EXPECT_TRUE(m->toBeDeleted);
    EXPECT_FALSE(m->reactToWeapon(&green));
}

TEST(MulticolorBAF, SharesTheCountAndDiesWithoutFlags) {
    Arena arena;
    new BackAndForth(Coord(500, 500, 0), 0, 0, 2);
    MulticolorBAF* none = new MulticolorBAF(Coord(500, 500, 0), 0, false, false, false, 2);
    EXPECT_EQ(BackAndForth::count, 2);
    EXPECT_TRUE(none->toBeDeleted);
    EXPECT_EQ(enemytest::countOf<Explosion>(), 1);
    arena.step();
    EXPECT_EQ(BackAndForth::count, 1);
}

TEST(OptimizedBAF, LaneCounters) {
    Arena arena(8192, 8192);
    int row = OptimizedBAF::countAtY(250);
    OptimizedBAF* a = new OptimizedBAF(Coord(100, -250, 0), 8);
    EXPECT_EQ(OptimizedBAF::countAtY(250), row + 1);
    OptimizedBAF* b = new OptimizedBAF(Coord(4321, 77, 0), 2);
    EXPECT_EQ(OptimizedBAF::countAtX(321), 1);
    EXPECT_EQ(OptimizedBAF::count2, 2);
    EXPECT_EQ(OptimizedBAF::countAtX(-1), 0);
    EXPECT_EQ(OptimizedBAF::countAtY(4000), 0);
    // Coordinates far beyond int range keep a lane in 0..3999.
    OptimizedBAF* far = new OptimizedBAF(Coord(1.0e12f, -3.0e11f, 0), 1);
    EXPECT_GE(far->laneIndex, 0);
    EXPECT_LT(far->laneIndex, 4000);
    a->toBeDeleted = true;
    b->toBeDeleted = true;
    arena.step();
    EXPECT_EQ(OptimizedBAF::countAtY(250), row);
    EXPECT_EQ(OptimizedBAF::countAtX(321), 0);
    EXPECT_EQ(OptimizedBAF::count2, 1);
}

TEST(OptimizedBAF, CodesOutsideTheTableAreRefused) {
    EXPECT_TRUE(OptimizedBAF::acceptsCode(0));
    EXPECT_TRUE(OptimizedBAF::acceptsCode(11));
    EXPECT_FALSE(OptimizedBAF::acceptsCode(12));
    EXPECT_FALSE(OptimizedBAF::acceptsCode(-1));
}

TEST(OptimizedBAF, SpeedsAppearAndTurnAtWalls) {
    const float speeds[3] = {2.4f, 4.0f, 3.2f};
    for (int type = 0; type < 3; type++) {
        SCOPED_TRACE(type);
        Arena arena(2048, 2048);
        arena.wallFacingLeft(1100, 0, 2048);
        OptimizedBAF* o = new OptimizedBAF(Coord(1000, 1000, 0), 4 * type);
        EXPECT_EQ(o->frameBase, 20);
        arena.run(10);
        EXPECT_EQ(o->position.x, 1000.0f);
        EXPECT_FALSE(o->turning);
        EXPECT_EQ(o->frameBase, 0);
        arena.step();
        EXPECT_NEAR(o->position.x, 1000.0f + speeds[type], 1e-4);
        while (!o->turning)
            arena.step();
        float x = o->position.x;
        EXPECT_GE(x, 1100.0f);
        arena.run(20);
        EXPECT_EQ(o->position.x, x);
        EXPECT_EQ(o->frameBase, 20);
        arena.step();
        EXPECT_NEAR(o->position.x, x - speeds[type], 1e-3);
    }
}

TEST(OptimizedBAF, HitsAndKills) {
    Arena arena;
    SoundRecorder sounds;
    Player* p = new Player(Coord(100, 100, 0));
    Weapon bullet(1), link(0);
    OptimizedBAF* red = new OptimizedBAF(Coord(500, 500, 0), 9);
    for (int i = 0; i < 9; i++)
        EXPECT_TRUE(red->reactToWeapon(&bullet));
    EXPECT_EQ(Player::getNumberOfKilledEnnemies(), 0);
    EXPECT_EQ(sounds.count("/data/sounds/assault.caf"), 9);
    EXPECT_TRUE(red->reactToWeapon(&link));
    EXPECT_TRUE(red->toBeDeleted);
    EXPECT_EQ(sounds.count("/data/sounds/assault.caf"), 11);
    EXPECT_EQ(Player::getNumberOfKilledEnnemies(), 1);
    EXPECT_FALSE(red->reactToWeapon(&bullet));
    EXPECT_EQ(Player::getNumberOfKilledEnnemies(), 1);
    // A null weapon kills without the ally wall's sound.
    OptimizedBAF* blue = new OptimizedBAF(Coord(500, 500, 0), 1);
    EXPECT_TRUE(blue->reactToWeapon(nullptr));
    EXPECT_EQ(sounds.count("/data/sounds/assault.caf"), 11);
    EXPECT_EQ(Player::getNumberOfKilledEnnemies(), 2);
    // Contact is unguarded: a killed object still costs a hit.
    blue->reactToCollisionWithPlayerCallback(p);
    blue->reactToCollisionWithPlayerCallback(p);
    EXPECT_EQ(Player::getHitNumber(), 2);
}
