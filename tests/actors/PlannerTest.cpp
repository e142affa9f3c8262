// The planner: its planned path avoids walls, a boxed-in planner neither
// hangs nor draws, and a hit bursts along its path.
#include <gtest/gtest.h>

#include <cmath>

#include "EnemyTestSupport.h"

using actortest::Arena;
using actortest::DrawCounter;
using enemytest::SoundRecorder;

namespace {

bool segmentHitsAWall(const float* s) {
    for (int i = 0; i <= 80; i++) {
        Coord p(s[0] + (s[2] - s[0]) * i / 80.0f, s[1] + (s[3] - s[1]) * i / 80.0f, 0.0f);
        if (EnemyKit::wallAt(p))
            return true;
    }
    return false;
}

}  // namespace

TEST(Planner, PlansAtFiftyAndNeverThroughAWall) {
    Arena arena(1024, 1024);
    arena.border(20);
    arena.wallFacingLeft(600, 300, 700);
    Planner* p = new Planner(Coord(500, 500, 0));
    DrawCounter draws;
    arena.run(49);
    EXPECT_EQ(draws.count(), 0u);
    arena.step();
    EXPECT_GE(draws.count(), 6u);
    EXPECT_EQ(p->position.x, 500.0f);
    for (int k = 0; k < Planner::SEGMENTS; k++) {
        EXPECT_EQ(std::fmod(p->angles[k], 45.0f), 0.0f);
        EXPECT_FALSE(segmentHitsAWall(&p->segments[4 * k]));
    }
    arena.step();
    EXPECT_NEAR(std::hypot(p->position.x - 500, p->position.y - 500), 1.0f, 1e-4);
    for (int i = 0; i < 3000; i++) {
        arena.step();
        ASSERT_FALSE(EnemyKit::wallAt(p->position));
    }
    for (int k = 0; k < Planner::SEGMENTS; k++)
        EXPECT_FALSE(segmentHitsAWall(&p->segments[4 * k]));
}

// With all eight directions blocked the search draws nothing: the planner
// holds still 80 steps at a time and looks again.
TEST(Planner, BoxedInNeitherHangsNorDraws) {
    Arena arena(1024, 1024);
    arena.disk(500, 500, 300);
    arena.quad(430, 480, 430, 520, 400, 520, 400, 480);
    arena.quad(570, 480, 570, 520, 600, 520, 600, 480);
    arena.quad(480, 570, 520, 570, 520, 600, 480, 600);
    arena.quad(480, 430, 520, 430, 520, 400, 480, 400);
    Arena* unused = nullptr;
    (void)unused;
    Planner* p = new Planner(Coord(500, 500, 0));
    // A box of four small walls 70 units away in every compass direction.
    for (int k = 0; k < 8; k++) {
        Coord d;
        d.initFromAngle((float)(k * 45 * M_PI / 180.0));
        EXPECT_FALSE(Planner::isDirectionValid(Coord(500, 500, 0), d)) << k;
    }
    DrawCounter draws;
    arena.run(500);
    EXPECT_EQ(draws.count(), 0u);
    EXPECT_EQ(p->position.x, 500.0f);
    EXPECT_EQ(p->position.y, 500.0f);
}

TEST(Planner, HitBurstsAlongThePath) {
    Arena arena(1024, 1024);
    SoundRecorder sounds;
    Planner* p = new Planner(Coord(500, 500, 0));
    arena.run(50);
    EXPECT_TRUE(p->reactToWeapon(nullptr));
    EXPECT_EQ(enemytest::countOf<Explosion>(), 13);
    EXPECT_EQ(sounds.count("/data/sounds/planners.caf"), 1);
    EXPECT_FALSE(p->reactToWeapon(nullptr));
    Player* player = new Player(Coord(100, 100, 0));
    Planner* q = new Planner(Coord(300, 300, 0));
    q->reactToCollisionWithPlayerCallback(player);
    q->reactToCollisionWithPlayerCallback(player);
    EXPECT_EQ(Player::getHitNumber(), 1);
    EXPECT_EQ(enemytest::countOf<Explosion>(), 26);
}
