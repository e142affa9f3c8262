// The rolling cube: roll lengths as it speeds up, its direction, and hits.
#include <gtest/gtest.h>

#include "EnemyTestSupport.h"

using actortest::Arena;
using actortest::DrawCounter;
using enemytest::Weapon;

namespace {

// The number of turning steps of each roll, in order, over the given steps
// (the step that starts a roll only picks its direction).
std::vector<int> rollLengths(Arena& arena, RollingCube* c, int steps) {
    std::vector<int> lengths;
    int length = 0;
    for (int i = 0; i < steps && Entity::isLive(c); i++) {
        arena.step();
        if (!Entity::isLive(c))
            break;
        if (c->rolling || length > 0) {
            length++;
            if (!c->rolling) {
                lengths.push_back(length - 1);
                length = 0;
            }
        }
    }
    return lengths;
}

}  // namespace

TEST(RollingCube, RollsShortenFrom26To5) {
    Arena arena(8192, 8192);
    new Player(Coord(100, 4000, 0));
    RollingCube* c = new RollingCube(Coord(8000, 4000, 0), 25, 6);
    std::vector<int> lengths = rollLengths(arena, c, 2000);
    ASSERT_TRUE(Entity::isLive(c));
    ASSERT_GT(lengths.size(), 20u);
    // The first roll starts 7 steps in; the rests shrink first (6 speed-ups).
    EXPECT_EQ(lengths.front(), 26);
    EXPECT_EQ(lengths.back(), 5);
    EXPECT_NE(std::find(lengths.begin(), lengths.end(), 30), lengths.end());
    EXPECT_EQ(c->rollSteps, 5);
    EXPECT_EQ(c->pause, 0);
    EXPECT_EQ(c->position.y, 4000.0f);
    EXPECT_LT(c->position.x, 8000.0f);
}

TEST(RollingCube, TieRollsAlongY) {
    Arena arena(2048, 2048);
    new Player(Coord(1100, 1100, 0));
    RollingCube* c = new RollingCube(Coord(1000, 1000, 0), 25, 6);
    arena.run(7);
    EXPECT_TRUE(c->rolling);
    EXPECT_EQ(c->direction[0], 0.0f);
    EXPECT_EQ(c->direction[1], 1.0f);
    EXPECT_EQ(c->axis[0], 1.0f);
}

TEST(RollingCube, RollStepsBelowOneCountAsOne) {
    Arena arena(8192, 8192);
    new Player(Coord(100, 1000, 0));
    RollingCube* c = new RollingCube(Coord(8000, 1000, 0), 0, 0);
    EXPECT_EQ(c->rollSteps, 1);
    EXPECT_EQ(c->rollIncrement, 90.0f);
    arena.run(300);
    ASSERT_TRUE(Entity::isLive(c));
    EXPECT_TRUE(std::isfinite(c->position.x));
    EXPECT_EQ(c->rollSteps, 5);
}

TEST(RollingCube, ThreeBulletsOrOneOfAnythingElse) {
    Arena arena;
    Weapon bullet(1);
    RollingCube* c = new RollingCube(Coord(500, 500, 0), 25, 6);
    EXPECT_TRUE(c->reactToWeapon(&bullet));
    EXPECT_EQ(c->flashUntil, Entity::time + 4);
    EXPECT_TRUE(c->reactToWeapon(&bullet));
    EXPECT_FALSE(c->toBeDeleted);
    EXPECT_TRUE(c->reactToWeapon(&bullet));
    EXPECT_TRUE(c->toBeDeleted);
    EXPECT_FALSE(c->reactToWeapon(&bullet));
    for (int kind : {0, 2, 3, -1}) {
        Weapon w(kind);
        RollingCube* other = new RollingCube(Coord(500, 500, 0), 25, 6);
        EXPECT_TRUE(other->reactToWeapon(kind < 0 ? nullptr : &w));
        EXPECT_TRUE(other->toBeDeleted);
    }
}

// The cube aims through a flag: the ally's removal sends it after the player.
TEST(RollingCube, AimsAtThePlayerOnceTheAllyIsGone) {
    Arena arena(4096, 4096);
    new Player(Coord(2000, 1000, 0));
    Player::setAlly(Coord(1000, 2000, 0));
    DrawCounter draws;
    RollingCube* c = new RollingCube(Coord(2000, 2000, 0), 6, 0);
    EXPECT_EQ(draws.count(), 1u);
    c->aimAtAlly = true;
    arena.run(8);
    EXPECT_EQ(c->direction[0], -1.0f);
    Player::removeAlly();
    arena.run(20);
    EXPECT_EQ(c->direction[1], -1.0f);
}
