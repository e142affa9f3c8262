// The dodger: sidesteps from afar, hits only near its centre by size, kinds
// that never touch it, the contact distance, growing into view and its
// rush toward the ship.
#include <gtest/gtest.h>

#include "BossRockAndDrifterTestSupport.h"
#include "actors/Bullet.h"
#include "actors/Dodger.h"
#include "actors/FusionBullet2.h"

using actortest::Arena;
using bossrocktest::at;
using enemytest::Weapon;

TEST(Dodger, AShotFlyingPastPushesItEachStepAndFliesOn) {
    Arena arena(2000, 2000);
    Dodger* d = new Dodger(at(1000, 1100), 1.0f, false);
    d->dodgeSkill = 0.3f;
    // A bullet along +x at y = 1000: 100 units off the dodger's line.
    Bullet* b = new Bullet(at(860, 1000), 10.0f, 0.0f, 0, Bullet::BULLET_SHAPE_DEFAULT);
    arena.refill();
    int pushes = 0;
    for (int i = 0; i < 25; i++) {
        Coord before = d->velocity;
        bool used = d->reactToWeapon(b);
        EXPECT_FALSE(used);
        if (d->velocity.y > before.y * 0.93f + 1e-6f)
            pushes++;
        b->position.x += 10.0f;
    }
    EXPECT_EQ(pushes, 25) << "pushed away from the line (toward larger y) every time";
    EXPECT_NEAR(d->velocity.y, 25 * 0.31f, 1e-4);
    EXPECT_FALSE(d->toBeDeleted);
    EXPECT_EQ(d->life, 1);
}

TEST(Dodger, KillDistanceBySizeAndKind) {
    struct Case {
        float size;
        float offset;
        int kind;
        bool used;
    };
    const Case cases[] = {
        {1.0f, 19.0f, 1, true},  {1.0f, 20.0f, 1, false}, {1.0f, 19.0f, 3, true}, {2.0f, 39.0f, 1, true},
        {2.0f, 40.0f, 1, false}, {2.0f, 39.0f, 3, true},  {1.0f, 0.0f, 0, false}, {1.0f, 0.0f, 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size << " " << c.offset << " kind " << c.kind);
        Arena arena(2000, 2000);
        Dodger* d = new Dodger(at(1000, 1000), c.size, false);
        PlayerWeapon* w;
        if (c.kind == 1)
            w = new Bullet(at(1000 - 10, 1000 + c.offset), 10.0f, 0.0f, 0, Bullet::BULLET_SHAPE_DEFAULT);
        else if (c.kind == 3)
            w = new FusionBullet2(at(1000, 1000 + c.offset), 0.0f);
        else
            w = new Weapon(c.kind);
        EXPECT_EQ(d->reactToWeapon(w), c.used);
        EXPECT_EQ(d->toBeDeleted, c.used);
        if (c.kind == 0 || c.kind == 2) {
            EXPECT_EQ(d->velocity.x, 0.0f);
            EXPECT_EQ(d->velocity.y, 0.0f);
            delete (Weapon*)w;
        }
        if (c.used) {
            EXPECT_FALSE(d->reactToWeapon(w)) << "a second shot finds it dead";
        }
    }
}

TEST(Dodger, NullWeaponAndStillShotsDoNothing) {
    Arena arena;
    Dodger* d = new Dodger(at(500, 500), 1.0f, false);
    EXPECT_FALSE(d->reactToWeapon(nullptr));
    // A bullet-kind weapon without a projectile, and a still shot on the centre.
    Weapon loose(1);
    loose.setV(Coord(5, 0, 0));
    EXPECT_FALSE(d->reactToWeapon(&loose));
    Bullet* still = new Bullet(at(500, 500), 0.0f, 0.0f, 0, Bullet::BULLET_SHAPE_DEFAULT);
    EXPECT_FALSE(d->reactToWeapon(still));
    EXPECT_FALSE(d->toBeDeleted);
    EXPECT_EQ(d->velocity.length(), 0.0f);
}

TEST(Dodger, YikesAndTheHitOnlyWithinTheHitDistance) {
    Arena arena;
    Player* p = new Player(at(500, 500));
    Dodger* d = new Dodger(at(500, 550), 1.0f, false);
    d->reactToCollisionWithPlayerCallback(p);
    EXPECT_FALSE(d->toBeDeleted);
    EXPECT_EQ(Player::getHitNumber(), 0);
    d->position = at(500, 519);
    d->reactToCollisionWithPlayerCallback(p);
    EXPECT_TRUE(d->toBeDeleted);
    EXPECT_EQ(Player::getHitNumber(), 1);
    int yikes = 0;
    for (Entity* e : Entity::entityVector)
        if (dynamic_cast<FloatingMessage*>(e))
            yikes++;
    EXPECT_EQ(yikes, 1);
}

TEST(Dodger, GrowsIntoViewThenRushesFasterWhenClose) {
    Arena arena(4000, 4000);
    new Player(at(2000, 2000));
    Dodger* d = new Dodger(at(2000, 2500), 1.0f, true);
    Coord start = d->position;
    int steps = 0;
    while (d->appearing && steps < 100) {
        arena.step();
        steps++;
    }
    EXPECT_NEAR(steps, 60, 1) << "0.01 a step up to 0.6, in float";
    EXPECT_EQ(d->position.y, start.y);
    EXPECT_EQ(Dodger::count, 1);
    // Far away it closes at 4 units a step once it has aimed, near at 10.
    while (d->drift.length() == 0.0f)
        arena.step();
    EXPECT_NEAR(d->drift.length(), 4.0f, 1e-3);
    d->position = at(2000, 2050);
    d->drift = Coord();
    while (d->drift.length() == 0.0f)
        arena.step();
    EXPECT_NEAR(d->drift.length(), 10.0f, 1e-2);
}

TEST(Dodger, PushesApartFromOverlappingTargets) {
    Arena arena(4000, 4000);
    Dodger* d = new Dodger(at(1000, 1000), 1.0f, false);
    // Size 0 makes its rush 0: only the pushes move it.
    d->size = 0.0f;
    new actortest::RecordingTarget(at(990, 1000), 30);
    arena.refill();
    // Steps whose first draw has both low bits clear move it 2 units away.
    float x = d->position.x;
    int pushed = 0;
    for (int i = 0; i < 40; i++) {
        arena.step();
        arena.refill();
        if (d->position.x > x + 1.5f)
            pushed++;
        x = d->position.x;
    }
    EXPECT_GT(pushed, 3);
}
