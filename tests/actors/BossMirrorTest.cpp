// The mirror boss: reflection or core hit by stage and angle, the stage
// rises and its death, the spiral burst by difficulty, weapons without a
// shot, the rim contact, and its bullets (and the missile's).
#include <gtest/gtest.h>

#include <cmath>

#include "BossRockAndDrifterTestSupport.h"
#include "actors/BossMirror.h"
#include "actors/BossMirrorBullet.h"
#include "actors/Bullet.h"
#include "actors/FusionBullet2.h"
#include "actors/Missile.h"
#include "graphics/PlayerExplosion.h"

using actortest::Arena;
using bossrocktest::at;
using enemytest::countOf;
using enemytest::DifficultyPin;
using enemytest::Weapon;

namespace {

const Coord M(1000, 1000, 0);

// A still bullet at `distance` from the boss's centre, `degrees` from +x,
// flying toward the centre.
Bullet* shotAt(float degrees, float distance) {
    double a = degrees * M_PI / 180.0;
    Coord p((float)(M.x + distance * std::cos(a)), (float)(M.y + distance * std::sin(a)), 0.0f);
    return new Bullet(p, 0.0f, (float)(a + M_PI), 0, Bullet::BULLET_SHAPE_DEFAULT);
}

// Hits the core (a shot from behind the mirror), stepping the clock past
// any immunity or burst first.
void coreHit(BossMirror* b) {
    int clear = std::max(b->immuneUntil, std::max(b->burstEnd, b->deathTime));
    if (Entity::time <= clear)
        Entity::time = clear + 1;
    Bullet* s = shotAt(180.0f, 30.0f);
    EXPECT_TRUE(b->reactToWeapon(s));
    s->toBeDeleted = true;
}

}  // namespace

TEST(BossMirror, ReflectsOnItsArcAndCountsCoreHitsInside) {
    struct Case {
        int stage;
        float degreesOff;
        float distance;
        const char* expect;  // "reflect", "core" or "pass"
    };
    const Case cases[] = {
        {0, 0, 100, "reflect"}, {3, 0, 100, "reflect"},  {5, 0, 100, "reflect"}, {0, 30, 100, "pass"},
        {0, 30, 50, "core"},    {1, 30, 100, "reflect"}, {1, 30, 50, "reflect"}, {5, 130, 100, "pass"},
        {0, -30, 59, "core"},   {2, 180, 100, "pass"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "stage " << c.stage << ", " << c.degreesOff << " deg, " << c.distance);
        Arena arena(2000, 2000);
        BossMirror* b = new BossMirror(M);
        b->stage = c.stage;
        b->angle = 90.0f;  // faces -y (the direction -angle)
        Entity::time = 5;
        Bullet* s = shotAt(-90.0f + c.degreesOff, c.distance);
        size_t before = Entity::entityVector.size();
        bool used = b->reactToWeapon(s);
        std::string got = !used ? "pass" : b->numberOfHits == 1 ? "core" : "reflect";
        EXPECT_EQ(got, c.expect);
        EXPECT_EQ(Entity::entityVector.size() - before, got == "reflect" ? 1u : 0u);
        if (got == "reflect") {
            BossMirrorBullet* r = dynamic_cast<BossMirrorBullet*>(Entity::entityVector.back());
            ASSERT_NE(r, nullptr);
            EXPECT_EQ(r->position.x, s->position.x);
            EXPECT_EQ(r->position.y, s->position.y);
            // Leaves as reflected by the ring's tangent: a shot at the centre goes back.
            double a = (-90.0 + c.degreesOff) * M_PI / 180.0;
            EXPECT_NEAR(std::cos(r->angle), std::cos(a), 1e-4);
            EXPECT_NEAR(std::sin(r->angle), std::sin(a), 1e-4);
        }
        if (got == "core") {
            EXPECT_EQ(b->flashUntil, Entity::time + 3);
        }
    }
}

TEST(BossMirror, TenCoreHitsPerRiseAndDeathAfterTheSixthWithoutBurst) {
    DifficultyPin pin(1);
    Arena arena(2000, 2000);
    BossMirror* b = new BossMirror(M);
    for (int rise = 1; rise <= 6; rise++) {
        for (int hit = 1; hit <= 10; hit++) {
            int before = countOf<PlayerExplosion>();
            coreHit(b);
            EXPECT_EQ(countOf<PlayerExplosion>() - before, hit % 5 == 0 ? 1 : 0);
            if (hit == 5) {
                EXPECT_EQ(b->immuneUntil, Entity::time + 40);
            }
        }
        if (rise < 6) {
            EXPECT_EQ(b->stage, rise);
            EXPECT_EQ(b->burstEnd, Entity::time + 250 + 50 * rise);
        }
    }
    EXPECT_EQ(b->stage, 5);
    int death = b->deathTime;
    EXPECT_EQ(death, Entity::time + 50);
    EXPECT_LT(b->burstEnd, Entity::time) << "no burst for the last rise";
    // Shots are swallowed while it dies; it is deleted in the step t = deathTime.
    Bullet* s = shotAt(0.0f, 100.0f);
    EXPECT_TRUE(b->reactToWeapon(s));
    EXPECT_EQ(countOf<BossMirrorBullet>(), 0);
    while (Entity::time < death - 1) {
        arena.step();
        EXPECT_FALSE(b->toBeDeleted);
    }
    EXPECT_LT(b->shrink, 0.1f);
    arena.step();
    EXPECT_FALSE(Entity::isLive(b)) << "deleted in the step t = deathTime";
    EXPECT_EQ(BossMirror::count, 0);
}

TEST(BossMirror, DifficultyTwoRiseToOneBursts360StepsOneBulletPer8) {
    DifficultyPin pin(2);
    Arena arena(20000, 20000);
    new Player(at(10000, 12000));
    BossMirror* b = new BossMirror(at(10000, 10000));
    EXPECT_EQ(b->burstPeriod, 8);
    Entity::time = 10;
    for (int i = 0; i < 10; i++) {
        int clear = std::max(b->immuneUntil, b->burstEnd);
        if (Entity::time <= clear)
            Entity::time = clear + 1;
        Bullet* s = new Bullet(at(10000 - 20, 10000), 0.0f, 0.0f, 0, Bullet::BULLET_SHAPE_DEFAULT);
        b->angle = 0.0f;
        EXPECT_TRUE(b->reactToWeapon(s));
        s->toBeDeleted = true;
    }
    ASSERT_EQ(b->stage, 1);
    int end = b->burstEnd;
    EXPECT_EQ(end - Entity::time, 360);
    arena.step();
    while (Entity::time < end + 10)
        arena.step();
    EXPECT_EQ(countOf<BossMirrorBullet>(), 45) << "k = 352, 344, ..., 0";
}

TEST(BossMirror, WeaponsWithoutAShotPassAndAFusionShotReflects) {
    Arena arena(2000, 2000);
    BossMirror* b = new BossMirror(M);
    Entity::time = 3;
    Weapon ram(2), link(0);
    EXPECT_FALSE(b->reactToWeapon(nullptr));
    EXPECT_FALSE(b->reactToWeapon(&ram));
    EXPECT_FALSE(b->reactToWeapon(&link));
    EXPECT_EQ(b->numberOfHits, 0);
    // Facing +x (angle 0); a fusion shot on the facing flying at the centre.
    FusionBullet2* f = new FusionBullet2(at(1100, 1000), (float)M_PI);
    EXPECT_TRUE(b->reactToWeapon(f));
    BossMirrorBullet* r = dynamic_cast<BossMirrorBullet*>(Entity::entityVector.back());
    ASSERT_NE(r, nullptr);
    EXPECT_NEAR(std::cos(r->angle), 1.0, 1e-5);
    // While immune every weapon is swallowed.
    b->immuneUntil = Entity::time + 5;
    EXPECT_TRUE(b->reactToWeapon(nullptr));
}

TEST(BossMirror, ContactPutsTheShipOnTheRim) {
    Arena arena(2000, 2000);
    Player* p = new Player(at(1000, 1050));
    BossMirror* b = new BossMirror(M);
    b->reactToCollisionWithPlayerCallback(p);
    EXPECT_NEAR(p->position.x, 1000.0f, 1e-4);
    EXPECT_NEAR(p->position.y, 1121.0f, 1e-4);
    EXPECT_EQ(Player::getHitNumber(), 0);
    p->position = M;
    b->reactToCollisionWithPlayerCallback(p);
    EXPECT_EQ(p->position.x, 1121.0f);
    EXPECT_EQ(p->position.y, 1000.0f);
    // With the ship on the centre it does not creep.
    p->position = M;
    Entity::time++;
    b->update();
    EXPECT_EQ(b->position.x, 1000.0f);
    EXPECT_EQ(b->position.y, 1000.0f);
}

TEST(BossMirror, TurnsTowardAndCreepsToTheShip) {
    Arena arena(4000, 4000);
    new Player(at(2000, 1000));
    BossMirror* b = new BossMirror(at(2000, 2000));
    arena.run(400);
    // The facing is the direction -angle: toward -y, where the ship is.
    EXPECT_NEAR(std::fmod(b->angle + 360.0f, 360.0f), 90.0f, 20.0f);
    EXPECT_NEAR(b->position.y, 2000.0f - 200.0f, 1.0f);
}

TEST(MirrorBulletAndMissile, OneBounceOffAFlaggedWallEndAtTheNextNeverShot) {
    for (int kind = 0; kind < 2; kind++) {
        SCOPED_TRACE(kind ? "missile" : "mirror bullet");
        Arena arena(1024, 1024);
        arena.border(20, 2);
        Missile* m = kind ? new Missile(at(900, 500), 0.0f) : new BossMirrorBullet(at(900, 500), 0.0f);
        EXPECT_FALSE(m->reactToWeapon(nullptr));
        Weapon bullet(1);
        EXPECT_FALSE(m->reactToWeapon(&bullet));
        // Updated by hand: the world would delete it in the step it ends.
        int steps = 0;
        while (m->bouncesLeft == 1 && steps < 100) {
            m->update();
            steps++;
        }
        EXPECT_EQ(steps, 27) << "x = 1008 is the first point inside the wall";
        EXPECT_NEAR(std::cos(m->angle), -1.0, 1e-5);
        EXPECT_NEAR(m->velocity.x, -4.0f, 1e-4);
        while (!m->toBeDeleted && steps < 400) {
            m->update();
            steps++;
        }
        EXPECT_TRUE(m->toBeDeleted);
        EXPECT_NEAR(m->position.x, 20.0f, 1e-3);
    }
}

TEST(MirrorBulletAndMissile, ContactCostsOneHit) {
    Arena arena;
    Player* p = new Player(at(100, 100));
    Missile* m = new Missile(at(500, 500), 1.0f);
    BossMirrorBullet* b = new BossMirrorBullet(at(500, 500), 1.0f);
    m->reactToCollisionWithPlayerCallback(p);
    EXPECT_EQ(Player::getHitNumber(), 1);
    b->reactToCollisionWithPlayerCallback(p);
    EXPECT_EQ(Player::getHitNumber(), 2);
    EXPECT_TRUE(m->toBeDeleted && b->toBeDeleted);
    EXPECT_NEAR(m->drawAngle, 57.29578f, 1e-3);
}
