// Asteroids: the full split of a size-0 rock, a double reaction, the ship's
// contact, the counters after reset, and the model rebuilt for a new game.
#include <gtest/gtest.h>

#include "BossRockAndDrifterTestSupport.h"
#include "actors/Asteroid.h"
#include "graphics/VectorModel.h"

using actortest::Arena;
using actortest::DrawCounter;
using bossrocktest::at;
using enemytest::countOf;
using enemytest::Weapon;

TEST(Asteroid, ASizeZeroRockFullyDestroyedCounts21) {
    Arena arena;
    new Asteroid(at(500, 500), 0);
    EXPECT_EQ(Asteroid::count, 1);
    bool any = true;
    while (any) {
        any = false;
        std::vector<Entity*> now = Entity::entityVector;
        for (Entity* e : now) {
            Asteroid* a = dynamic_cast<Asteroid*>(e);
            if (a && !a->toBeDeleted) {
                EXPECT_TRUE(a->reactToWeapon(nullptr));
                any = true;
            }
        }
    }
    EXPECT_EQ(Asteroid::destroyed, 21);
    EXPECT_EQ(Asteroid::count, 21);
    arena.step();
    EXPECT_EQ(Asteroid::count, 0);
}

TEST(Asteroid, ADoubleReactionSplitsOnce) {
    Arena arena;
    Player* p = new Player(at(100, 100));
    Asteroid* a = new Asteroid(at(500, 500), 0);
    Weapon ram(2);
    EXPECT_TRUE(a->reactToWeapon(&ram));
    EXPECT_FALSE(a->reactToWeapon(nullptr));
    a->reactToCollisionWithPlayerCallback(p);
    EXPECT_EQ(Asteroid::destroyed, 1);
    EXPECT_EQ(countOf<Asteroid>(), 5);
    EXPECT_EQ(Player::getHitNumber(), 0);
    // The ship costs a hit and still splits; fragments start at one point,
    // at speed 3.0, and a size-2 rock leaves nothing.
    Asteroid* b = new Asteroid(at(800, 800), 1);
    b->reactToCollisionWithPlayerCallback(p);
    EXPECT_EQ(Player::getHitNumber(), 1);
    int fragments = 0;
    for (Entity* e : Entity::entityVector) {
        Asteroid* f = dynamic_cast<Asteroid*>(e);
        if (f && f->size == 2) {
            fragments++;
            EXPECT_EQ(f->position.x, 800.0f);
            EXPECT_NEAR(f->velocity.length(), 3.0f, 1e-5);
            EXPECT_EQ(f->radius, 20);
            f->reactToWeapon(nullptr);
        }
    }
    EXPECT_EQ(fragments, 4);
    EXPECT_EQ(countOf<Asteroid>(), 10);
}

TEST(Asteroid, CountersAreZeroAfterReset) {
    {
        Arena arena;
        Asteroid* a = new Asteroid(at(500, 500), 0);
        a->reactToWeapon(nullptr);
        EXPECT_EQ(Asteroid::destroyed, 1);
    }
    EXPECT_EQ(Asteroid::count, 0);
    EXPECT_EQ(Asteroid::destroyed, 0);
    EXPECT_EQ(Asteroid::vm, nullptr);
}

TEST(Asteroid, TheFirstRockOfANewGameRebuildsItsModel) {
    Arena arena;
    Asteroid* old = new Asteroid(at(500, 500), 0);
    ASSERT_NE(Asteroid::vm, nullptr);
    ASSERT_TRUE(Asteroid::vm->getUsesRandomNumbers());
    // A new play screen drops the models built from the last game's numbers.
    VectorModel::deleteVMThatUsesRandomNumbers();
    EXPECT_EQ(Asteroid::vm, nullptr) << "no dangling model";
    Game::mtRand.seed(4);
    DrawCounter draws;
    Asteroid* fresh = new Asteroid(at(500, 500), 0);
    EXPECT_EQ(draws.count(), 8u * 14u + 2u) << "the script's numbers, then frame and direction";
    ASSERT_NE(Asteroid::vm, nullptr);
    EXPECT_GE(Asteroid::vm->getNumberOfFrames(), 4);
    EXPECT_LT(old->frame, Asteroid::vm->getNumberOfFrames());
    EXPECT_LT(fresh->frame, Asteroid::vm->getNumberOfFrames());
    // Rebuilt from the same seed, the same rocks.
    Game::mtRand.seed(4);
    VectorModel again("/data/graphics/asteroidGraphic.lua");
    EXPECT_EQ(again.getNumberOfFrames(), Asteroid::vm->getNumberOfFrames());
}

TEST(Asteroid, AModelWithoutFramesStillDrawsAndShowsFrameZero) {
    Arena arena;
    VectorModel empty("/data/graphics/noSuchGraphic.lua");
    ASSERT_EQ(empty.getNumberOfFrames(), 0);
    SavedValue<VectorModel*> model(Asteroid::vm, &empty);
    DrawCounter draws;
    Asteroid* a = new Asteroid(at(500, 500), 2);
    EXPECT_EQ(draws.count(), 2u);
    EXPECT_EQ(a->frame, 0);
}
