// Enemy seeds: hatching on the wall's side by type, the mother ship placed
// behind, shot or touched seeds that hatch nothing, and the frame loop.
#include <gtest/gtest.h>

#include "BossRockAndDrifterTestSupport.h"
#include "actors/Dodger.h"
#include "actors/EnemySeed.h"

using actortest::Arena;
using bossrocktest::at;
using bossrocktest::first;
using enemytest::countOf;
using enemytest::Weapon;

TEST(EnemySeed, HatchesOnTheWallSideByType) {
    struct Case {
        EnemySeed::Type type;
        std::function<Entity*()> hatched;
    };
    const Case cases[] = {
        {EnemySeed::DODGER, [] { return (Entity*)first<Dodger>(); }},
        {EnemySeed::SUCIDER, [] { return (Entity*)first<Sucider>(); }},
        {EnemySeed::ROLLING_CUBE, [] { return (Entity*)first<RollingCube>(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        Arena arena(2000, 2000);
        arena.wallFacingLeft(1000, 0, 2000);
        EnemySeed* s = new EnemySeed(at(985, 300), 0.0f, c.type);
        arena.step();
        ASSERT_EQ(c.hatched(), nullptr);
        arena.step();
        EXPECT_FALSE(Entity::isLive(s)) << "ended in the step it hatched";
        Entity* e = c.hatched();
        ASSERT_NE(e, nullptr);
        EXPECT_FLOAT_EQ(e->position.x, 1000.0f) << "projected onto the side, not inside the wall";
        EXPECT_FLOAT_EQ(e->position.y, 300.0f);
    }
    {
        Arena arena(2000, 2000);
        arena.wallFacingLeft(1000, 0, 2000);
        new EnemySeed(at(995, 300), 0.0f, EnemySeed::DODGER);
        arena.step();
        Dodger* d = first<Dodger>();
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->size, 2.0f);
        EXPECT_FALSE(d->appearing);
        Sucider* none = first<Sucider>();
        EXPECT_EQ(none, nullptr);
    }
}

TEST(EnemySeed, MotherShipHatches100BackWithTheOppositeAngle) {
    Arena arena(2000, 2000);
    arena.wallFacingLeft(1000, 0, 2000);
    new EnemySeed(at(995, 300), 0.0f, EnemySeed::MOTHER_SHIP);
    arena.step();
    MotherShip* m = first<MotherShip>();
    ASSERT_NE(m, nullptr);
    EXPECT_FLOAT_EQ(m->position.x, 900.0f);
    EXPECT_FLOAT_EQ(m->position.y, 300.0f);
    EXPECT_FLOAT_EQ(m->angle, 180.0f);
    EXPECT_FLOAT_EQ(m->spacing, 90.0f);
}

TEST(EnemySeed, ShotOrTouchedHatchesNothingAndASecondReactionIsFalse) {
    for (int touched = 0; touched < 2; touched++) {
        SCOPED_TRACE(touched);
        Arena arena(2000, 2000);
        arena.wallFacingLeft(1000, 0, 2000);
        Player* p = new Player(at(300, 300));
        EnemySeed* s = new EnemySeed(at(985, 300), 0.0f, EnemySeed::SUCIDER);
        if (touched) {
            s->reactToCollisionWithPlayerCallback(p);
            s->reactToCollisionWithPlayerCallback(p);
            EXPECT_EQ(Player::getHitNumber(), 1);
        } else {
            Weapon ram(2);
            EXPECT_TRUE(s->reactToWeapon(nullptr));
            EXPECT_FALSE(s->reactToWeapon(&ram));
            EXPECT_EQ(Player::getHitNumber(), 0);
        }
        EXPECT_TRUE(s->toBeDeleted);
        arena.step();
        EXPECT_EQ(countOf<Sucider>(), 0);
        EXPECT_EQ(countOf<EnemySeed>(), 0);
    }
}

TEST(EnemySeed, TypesSetRadiusScaleAndFramesLoop) {
    Arena arena(4000, 4000);
    const int radii[] = {18, 14, 20, 13, 20};
    for (int t = 0; t < 5; t++) {
        EnemySeed* s = new EnemySeed(at(100, 100), 90.0f, (EnemySeed::Type)t);
        EXPECT_EQ(s->radius, radii[t]);
        EXPECT_FLOAT_EQ(s->scale, radii[t] * 0.05f);
        EXPECT_NEAR(s->velocity.y, 10.0f, 1e-5);
    }
    EnemySeed* s = new EnemySeed(at(100, 100), 90.0f, (EnemySeed::Type)7);
    std::vector<int> frames;
    for (int i = 0; i < 17; i++) {
        arena.step();
        frames.push_back(s->frame);
    }
    EXPECT_EQ(frames.front(), 17);
    EXPECT_EQ(frames[14], 31);
    EXPECT_EQ(frames[15], 16);
    // A type outside 0 to 3 hatches nothing.
    Arena walls(400, 400);
    walls.wallFacingLeft(200, 0, 400);
    new EnemySeed(at(195, 100), 0.0f, (EnemySeed::Type)7);
    walls.step();
    EXPECT_EQ(Entity::entityVector.size(), 1u) << "only the burst";
}
