// Player projectiles: frames by angle, bounces and wall colours, targets that
// take or pass a shot, the spiral's turn, teleports, the fusion shot, and the
// weapon readers every target uses.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "actors/Bullet.h"
#include "actors/FusionBullet.h"
#include "actors/FusionBullet2.h"
#include "actors/PlayerWeapon.h"
#include "actors/SpiralBullet.h"
#include "graphics/Explosion.h"
#include "support/ActorTestKit.h"

using actortest::Arena;
using actortest::RecordingTarget;

namespace {

int explosions() { return actortest::countOf<Explosion>(); }

}  // namespace

TEST(Projectile, FrameFollowsTheAngleTwoDegreesAFrame) {
    Arena arena;
    struct Case {
        double angle;
        int frame;
    };
    const Case cases[] = {{0, 90},         {-M_PI / 2, 45},   {M_PI / 2, 135}, {-M_PI + 0.001, 0},
                          {M_PI / 4, 112}, {M_PI - 0.01, 179}};
    for (const Case& c : cases) {
        Bullet* b = new Bullet(Coord(500, 500, 0), 18.0f, (float)c.angle, 0, Bullet::BULLET_SHAPE_DEFAULT);
        EXPECT_EQ(b->getFrame(), c.frame) << c.angle;
        EXPECT_NEAR(b->position.x, 500 + 18 * std::cos(c.angle), 1e-3) << "one step ahead at once";
    }
    // Angles no bounce reaches still give a frame of the graphic.
    for (float wild : {1.0e30f, -1.0e30f, NAN, INFINITY}) {
        Bullet* b = new Bullet(Coord(500, 500, 0), 18.0f, wild, 0, Bullet::BULLET_SHAPE_DEFAULT);
        EXPECT_GE(b->getFrame(), 0);
        EXPECT_LT(b->getFrame(), 180);
    }
}

TEST(Projectile, BulletTypesGiveColourAndColourType) {
    Arena arena;
    struct Case {
        int type;
        int r, g, b;
        int colourType;
    };
    const Case cases[] = {{-1, 255, 255, 255, -1}, {0, 255, 30, 30, 0}, {1, 10, 255, 40, 1},
                          {2, 20, 80, 255, 2},     {3, 255, 100, 0, 7}, {4, 255, 255, 0, 3},
                          {6, 0, 200, 255, 2},     {7, 255, 10, 10, 0}, {-9, 255, 10, 10, 0}};
    for (const Case& c : cases) {
        Bullet* b = new Bullet(Coord(500, 500, 0), 18.0f, 0.0f, c.type, Bullet::BULLET_SHAPE_THIN);
        EXPECT_EQ(colourTypeOf(b), c.colourType) << c.type;
        EXPECT_FLOAT_EQ(b->colour.r, c.r / 255.0f) << c.type;
        EXPECT_FLOAT_EQ(b->colour.g, c.g / 255.0f) << c.type;
        EXPECT_FLOAT_EQ(b->colour.b, c.b / 255.0f) << c.type;
        EXPECT_EQ(kindOf(b), 1);
    }
    Bullet* random = new Bullet(Coord(500, 500, 0), 18.0f, 0.0f, 5, Bullet::BULLET_SHAPE_WIDE);
    EXPECT_EQ(colourTypeOf(random), 0);
    EXPECT_GE(random->colour.r, 40 / 255.0f);
}

TEST(Projectile, BouncesBeforeItsDeadlineExplodesFromIt) {
    for (int age : {78, 79}) {
        Arena arena;
        arena.wallFacingLeft(600, 0, 1024, 20, 2);
        arena.refill();
        Bullet* b = new Bullet(Coord(570, 500, 0), 18.0f, 0.0f, 1, Bullet::BULLET_SHAPE_DEFAULT);
        ASSERT_EQ(b->getDeathTime(), 80);
        Entity::setTime(age);  // the step runs at age + 1
        arena.step();
        if (age + 1 < 80) {
            ASSERT_EQ(Entity::entityVector.size(), 1u) << "bounced";
            EXPECT_NEAR(b->velocity.x, -18.0f, 1e-3);
            EXPECT_NEAR(b->velocity.y, 0.0f, 1e-3);
            EXPECT_LE(b->position.x, 600.0f);
            EXPECT_EQ(b->getType(), 1) << "no colour flag";
        } else {
            EXPECT_EQ(explosions(), 1) << "ended at step 80";
            EXPECT_EQ(Entity::entityVector.size(), 1u);
        }
    }
}

TEST(Projectile, BouncingWallFlagsRecolourTheLastOneWins) {
    struct Case {
        int flags;
        int type;
    };
    const Case cases[] = {{2 | 4, 0},  {2 | 8, 1},      {2 | 16, 2},     {2 | 32, 3},
                          {2 | 64, 4}, {2 | 4 | 64, 4}, {2 | 8 | 16, 2}, {4 | 64, -1}};
    for (const Case& c : cases) {
        Arena arena;
        arena.wallFacingLeft(600, 0, 1024, 20, c.flags);
        Bullet* b = new Bullet(Coord(570, 500, 0), 18.0f, 0.0f, 6, Bullet::BULLET_SHAPE_DEFAULT);
        actortest::DrawCounter draws;
        arena.step();
        EXPECT_EQ(draws.count(), 0u) << "a wall never makes the random type";
        if (c.type < 0) {
            EXPECT_EQ(explosions(), 1) << "without the bounce flag colours do nothing";
            continue;
        }
        EXPECT_EQ(b->getType(), c.type) << c.flags;
    }
}

TEST(Projectile, ATargetThatPassesTheShotIsAskedAgain) {
    for (bool takes : {false, true}) {
        Arena arena;
        RecordingTarget* t = new RecordingTarget(Coord(560, 500, 0), 30, takes);
        arena.refill();
        Bullet* b = new Bullet(Coord(500, 500, 0), 18.0f, 0.0f, 2, Bullet::BULLET_SHAPE_DEFAULT);
        arena.run(4);  // at 536, 554, 572, 590
        if (takes) {
            EXPECT_EQ(t->kinds.size(), 1u);
            EXPECT_EQ(explosions(), 1);
        } else {
            EXPECT_EQ(t->kinds, (std::vector<int>{1, 1, 1, 1}));
            EXPECT_EQ(explosions(), 0);
            EXPECT_FLOAT_EQ(b->position.x, 590.0f);
        }
    }
}

TEST(Projectile, OnlyTheFirstTargetThatTakesTheShotIsReached) {
    Arena arena;
    RecordingTarget* first = new RecordingTarget(Coord(540, 500, 0), 10, false);
    RecordingTarget* second = new RecordingTarget(Coord(540, 500, 0), 10, true);
    RecordingTarget* third = new RecordingTarget(Coord(540, 500, 0), 10, true);
    arena.refill();
    new Bullet(Coord(500, 500, 0), 18.0f, 0.0f, 2, Bullet::BULLET_SHAPE_DEFAULT);
    arena.step();
    // Within a cell the target filed last comes first.
    EXPECT_EQ(third->kinds.size(), 1u);
    EXPECT_EQ(second->kinds.size(), 0u);
    EXPECT_EQ(first->kinds.size(), 0u);
}

TEST(Projectile, SpiralTurnsLessAndLess) {
    Arena arena;
    SpiralBullet* s = new SpiralBullet(Coord(500, 500, 0), 10.0f, 0.0f, 0, Bullet::BULLET_SHAPE_THIN);
    std::vector<float> turns;
    float last = s->getAngle();
    for (int i = 0; i < 1000; i++) {
        arena.step();
        turns.push_back(s->getAngle() - last);
        last = s->getAngle();
    }
    EXPECT_FLOAT_EQ(turns[0], 0.2f);
    EXPECT_NEAR(turns[1], 0.194f, 1e-6);
    EXPECT_NEAR(last, 0.2 / 0.03, 0.01);
}

TEST(Projectile, TeleportOnlyBeforeTheDeadline) {
    Arena arena;
    Bullet* b = new Bullet(Coord(100, 100, 0), 1.0f, 0.0f, 0, Bullet::BULLET_SHAPE_DEFAULT);
    Entity::setTime(79);
    b->teleport(300, 400);
    EXPECT_EQ(b->position.x, 300.0f);
    EXPECT_EQ(b->position.y, 400.0f);
    EXPECT_FALSE(b->toBeDeleted);
    Entity::setTime(80);
    b->teleport(10, 10);
    EXPECT_EQ(b->position.x, 300.0f);
    EXPECT_TRUE(b->toBeDeleted);
}

TEST(Projectile, FusionShotNeverBouncesAndRolls) {
    Arena arena;
    arena.wallFacingLeft(600, 0, 1024, 20, 2 | 64);
    FusionBullet2* f = new FusionBullet2(Coord(565, 500, 0), 0.0f);
    EXPECT_EQ(kindOf(f), 3);
    EXPECT_FLOAT_EQ(f->drawAngle, 180.0f);
    arena.step();
    EXPECT_EQ(f->roll, 10.0f);
    arena.step();
    EXPECT_EQ(explosions(), 1);
    EXPECT_EQ(Entity::entityVector.size(), 1u) << "only the explosion is left";

    RecordingTarget* t = new RecordingTarget(Coord(300, 500, 0), 15, true);
    arena.refill();
    new FusionBullet2(Coord(270, 500, 0), 0.0f);
    arena.run(2);
    EXPECT_EQ(t->kinds, (std::vector<int>{3}));
    EXPECT_EQ(explosions(), 2);
}

TEST(Projectile, SteerableFusionShotFollowsTheShootStick) {
    Arena arena;
    FusionBullet* f = new FusionBullet(Coord(500, 500, 0), 0.0f);
    arena.hold(0, 0, 180, 65);  // stick toward larger y
    arena.step();
    EXPECT_NEAR(f->position.x, 500, 1e-3);
    EXPECT_NEAR(f->position.y, 510, 1e-3);
    EXPECT_EQ(kindOf(f), 3);
}

TEST(Projectile, WeaponReadersAcceptEveryWeaponAndNone) {
    Arena arena;
    EXPECT_EQ(kindOf(nullptr), -1);
    EXPECT_EQ(colourTypeOf(nullptr), -1);
    EXPECT_EQ(projectileOf(nullptr), nullptr);
    EXPECT_EQ(velocityOf(nullptr).x, 0.0f);
    PlayerWeapon ram(PlayerWeapon::KIND_RAM);
    EXPECT_EQ(kindOf(&ram), 2);
    EXPECT_EQ(colourTypeOf(&ram), -1) << "a fresh weapon has no colour";
    EXPECT_EQ(velocityOf(&ram).getSquareDistance(), 0.0f);
    EXPECT_EQ(projectileOf(&ram), nullptr);
    Bullet* b = new Bullet(Coord(100, 100, 0), 18.0f, 0.0f, 1, Bullet::BULLET_SHAPE_DEFAULT);
    PlayerWeapon* w = b;
    EXPECT_EQ(projectileOf(w), static_cast<Entity*>(b));
    EXPECT_FLOAT_EQ(velocityOf(w).x, 18.0f);
    FusionBullet2* f = new FusionBullet2(Coord(100, 100, 0), 0.0f);
    EXPECT_EQ(projectileOf(f), static_cast<Entity*>(f));
}
