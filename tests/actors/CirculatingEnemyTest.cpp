// The circulating enemy: its orbit, the hits of each mode, the draws of the
// constructor's int, the shimmer of mode 1 and a radius of 0.
#include <gtest/gtest.h>

#include <cmath>

#include "BossRockAndDrifterTestSupport.h"
#include "actors/CirculatingEnemy.h"

using actortest::Arena;
using actortest::DrawCounter;
using bossrocktest::at;
using enemytest::SoundRecorder;
using enemytest::Weapon;

TEST(CirculatingEnemy, Radius100Turns004PerStepAroundItsCentre) {
    Arena arena;
    CirculatingEnemy* c = new CirculatingEnemy(at(500, 500), 100, 90, 2);
    EXPECT_NEAR(c->position.x, 500.0f, 1e-3);
    EXPECT_NEAR(c->position.y, 600.0f, 1e-3);
    for (int i = 0; i < 157; i++)
        arena.step();
    EXPECT_NEAR(c->orbitAngle, 90 * M_PI / 180 + 157 * 0.04, 1e-4);
    EXPECT_NEAR(c->position.x - 500.0f, 100 * std::cos(c->orbitAngle), 1e-3);
    EXPECT_NEAR(std::hypot(c->position.x - 500.0f, c->position.y - 500.0f), 100.0f, 1e-3);
}

TEST(CirculatingEnemy, ModesByTheIntAndTheirDraws) {
    struct Case {
        int arg;
        int mode;
        uint64_t draws;
    };
    const Case cases[] = {{0, 0, 1}, {1, 1, 1}, {-1, 1, 1}, {2, 0, 0}, {3, 1, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arg);
        Arena arena(1024, 1024, 5);
        DrawCounter draws;
        CirculatingEnemy* e = new CirculatingEnemy(at(500, 500), 100, 0, c.arg);
        EXPECT_EQ(draws.count(), c.draws);
        EXPECT_EQ(e->mode, c.mode);
        EXPECT_EQ(e->life, c.mode == 0 ? 10 : 1);
        EXPECT_EQ(e->frameBase, c.mode * 16);
        EXPECT_EQ(e->angularSpeed, 0.04f * e->direction);
        if (c.draws == 0) {
            EXPECT_EQ(e->direction, 1.0f);
        }
    }
}

TEST(CirculatingEnemy, Mode0TakesTenHitsMode1One) {
    for (int mode = 2; mode <= 3; mode++) {
        Arena arena;
        SoundRecorder sounds;
        CirculatingEnemy* e = new CirculatingEnemy(at(500, 500), 100, 0, mode);
        Weapon ram(2);
        int hits = 0;
        while (!e->toBeDeleted && hits < 20) {
            EXPECT_TRUE(e->reactToWeapon(hits % 2 ? &ram : nullptr));
            hits++;
        }
        EXPECT_EQ(hits, mode == 2 ? 10 : 1);
        EXPECT_EQ(sounds.count("/data/sounds/orbit1.caf"), mode == 2 ? 1 : 0);
        // Further hits in the same step only return true.
        EXPECT_TRUE(e->reactToWeapon(nullptr));
        EXPECT_EQ(e->life, -1);
    }
}

TEST(CirculatingEnemy, ContactKillsDrawsTwiceAndHurts) {
    Arena arena;
    Player* p = new Player(at(100, 100));
    CirculatingEnemy* e = new CirculatingEnemy(at(500, 500), 100, 0, 2);
    DrawCounter draws;
    e->reactToCollisionWithPlayerCallback(p);
    EXPECT_TRUE(e->toBeDeleted);
    EXPECT_EQ(draws.count(), 2u);
    EXPECT_EQ(Player::getHitNumber(), 1);
}

TEST(CirculatingEnemy, Mode1ShimmersTowardDrawnTargets) {
    Arena arena;
    CirculatingEnemy* e = new CirculatingEnemy(at(500, 500), 100, 0, 3);
    DrawCounter draws;
    int changes = 0;
    for (int i = 0; i < 200; i++) {
        int before = e->nextColorChange;
        arena.step();
        if (e->nextColorChange != before || i == 0)
            changes++;
        EXPECT_EQ(e->color.r, 0.0f);
        EXPECT_GE(e->targetGreen, 0.05f);
        EXPECT_LT(e->targetGreen, 1.05f);
    }
    EXPECT_EQ(draws.count(), 3u * changes);
    EXPECT_GT(changes, 10);
}

TEST(CirculatingEnemy, RadiusZeroSitsAtItsCentre) {
    Arena arena;
    DrawCounter draws;
    CirculatingEnemy* e = new CirculatingEnemy(at(500, 500), 0, 30, 0);
    EXPECT_EQ(draws.count(), 1u) << "the direction draw stays";
    EXPECT_EQ(e->angularSpeed, 0.0f);
    arena.run(20);
    EXPECT_TRUE(std::isfinite(e->position.x) && std::isfinite(e->position.y));
    EXPECT_EQ(e->position.x, 500.0f);
    EXPECT_EQ(e->position.y, 500.0f);
}
