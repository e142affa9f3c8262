// The mirror ship and its bullets: the mirror position and heading, the fire
// rhythm with the stick held, what its bullets hit and pass, their bounce
// deadline and frames, and ship models without a frame.
#include <gtest/gtest.h>

#include <cmath>

#include "BossRockAndDrifterTestSupport.h"
#include "actors/Asteroid.h"
#include "actors/Bizarro.h"
#include "actors/BulletBizarro.h"

using actortest::Arena;
using bossrocktest::at;
using enemytest::countOf;

TEST(Bizarro, StandsAtTheMirrorImageWithTheSameHeading) {
    Arena arena(2000, 2000);
    Player* p = new Player(at(100, 50));
    Bizarro* b = new Bizarro(at(0, 0));
    arena.step();
    p->position = at(100, 50);
    p->heading = 37.0f;
    b->update();
    EXPECT_EQ(b->position.x, -100.0f);
    EXPECT_EQ(b->position.y, -50.0f);
    EXPECT_EQ(b->heading, 37.0f);
    EXPECT_EQ(Bizarro::hitCount, 0);
    EXPECT_FALSE(b->reactToWeapon(nullptr));
}

TEST(Bizarro, OneBulletPer8StepsWhileTheStickIsHeld) {
    Arena arena(4000, 4000);
    new Player(at(2000, 2000));
    Player::setCanShoot(false);
    Bizarro* b = new Bizarro(at(2000, 1900));
    arena.hold(0, 0, 90, 0);
    arena.run(20);
    EXPECT_EQ(countOf<BulletBizarro>(), 0);
    EXPECT_FALSE(b->fireToggle);
    EXPECT_EQ(b->nextShotTime, 0) << "the released stick changes nothing";
    arena.hold(0, 0, 90, 65);
    std::vector<int> shots;
    int seen = 0;
    for (int i = 0; i < 40; i++) {
        arena.step();
        int now = countOf<BulletBizarro>();
        if (now > seen)
            shots.push_back(Entity::time);
        seen = now;
    }
    ASSERT_GE(shots.size(), 4u);
    for (size_t i = 1; i < shots.size(); i++)
        EXPECT_EQ(shots[i] - shots[i - 1], 8);
    // The stick's 90 degrees fire the player's guns along 0; the mirror ship's
    // bullets fly the other way, 3 degrees further counter-clockwise.
    BulletBizarro* bullet = nullptr;
    for (Entity* e : Entity::entityVector)
        if ((bullet = dynamic_cast<BulletBizarro*>(e)))
            break;
    ASSERT_NE(bullet, nullptr);
    EXPECT_NEAR(bullet->angle, (90.0 - 270.0 + 3.0) * M_PI / 180.0, 1e-5);
}

TEST(Bizarro, ItsBulletDestroysAnAsteroidAndPassesAnotherBullet) {
    Arena arena(2000, 2000);
    Asteroid* rock = new Asteroid(at(1100, 1000), 2);
    rock->velocity = Coord();
    BulletBizarro* other = new BulletBizarro(at(1018, 1000), 0.0f, 0.0f);
    BulletBizarro* b = new BulletBizarro(at(982, 1000), 18.0f, 0.0f);
    EXPECT_EQ(b->position.x, 1000.0f) << "starts one step ahead";
    arena.refill();
    b->update();
    EXPECT_FALSE(b->toBeDeleted) << "the other bullet answers false";
    EXPECT_FALSE(other->toBeDeleted);
    for (int i = 0; i < 6 && !b->toBeDeleted; i++) {
        arena.refill();
        b->update();
    }
    EXPECT_TRUE(b->toBeDeleted);
    EXPECT_TRUE(rock->toBeDeleted);
    EXPECT_EQ(Asteroid::destroyed, 1);
}

TEST(Bizarro, BulletsBounceOnlyBeforeTheirDeadlineAndHurtOnce) {
    for (int late = 0; late < 2; late++) {
        Arena arena(1024, 1024);
        arena.border(20, 2);
        BulletBizarro* b = new BulletBizarro(at(900, 500), 18.0f, 0.0f);
        if (late)
            b->bounceDeadline = Entity::time;
        for (int i = 0; i < 8; i++)
            b->update();
        EXPECT_EQ(b->toBeDeleted, late == 1);
        if (!late) {
            EXPECT_LT(b->velocity.x, 0.0f);
        }
    }
    Arena arena;
    Player* p = new Player(at(100, 100));
    BulletBizarro* b = new BulletBizarro(at(500, 500), 18.0f, 1.0f);
    b->reactToCollisionWithPlayerCallback(p);
    b->reactToCollisionWithPlayerCallback(p);
    EXPECT_EQ(Player::getHitNumber(), 1);
    EXPECT_FALSE(b->reactToWeapon(nullptr));
}

TEST(Bizarro, FramesOfBulletAnglesAndShipModels) {
    EXPECT_EQ(BulletBizarro::frameOf(0.0f), 90);
    EXPECT_EQ(BulletBizarro::frameOf((float)(M_PI / 2)), 135);
    EXPECT_EQ(BulletBizarro::frameOf((float)(-M_PI / 2)), 45);
    Arena arena;
    Player* p = new Player(at(100, 100));
    Bizarro* b = new Bizarro(at(0, 0));
    const int models[] = {0, 8, 10, -1};
    const int shown[] = {0, 8, 0, 0};
    for (int i = 0; i < 4; i++) {
        p->shipModel = models[i];
        b->update();
        EXPECT_EQ(b->frame, models[i]);
        EXPECT_EQ(b->shownFrame(), shown[i]);
    }
}
