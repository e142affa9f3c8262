// The final boss: its count, hits by kind and state, the beam's field, the
// cannon's cycle by difficulty, the frozen body while it fires, and the hit
// count a level reads after the world deleted it.
#include <gtest/gtest.h>

#include "BossRockAndDrifterTestSupport.h"
#include "actors/Anathema.h"
#include "actors/FusionBullet2.h"

using actortest::Arena;
using bossrocktest::at;
using enemytest::DifficultyPin;
using enemytest::SoundRecorder;
using enemytest::Weapon;

TEST(Anathema, CountsTwoAsATeleporter) {
    {
        Arena arena;
        Anathema* a = new Anathema(at(500, 500));
        EXPECT_EQ(Teleporter::count, 2);
        EXPECT_EQ(a->state, 1);
        EXPECT_EQ(a->teleportSteps, 80);
        new Teleporter(at(100, 100));
        EXPECT_EQ(Teleporter::count, 3);
        a->toBeDeleted = true;
        arena.step();
        EXPECT_EQ(Teleporter::count, 1);
    }
    EXPECT_EQ(Teleporter::count, 0);
}

TEST(Anathema, FusionCountsOneWithAWhiteFlashAndShotsPassWhileItFlies) {
    Arena arena;
    SoundRecorder sounds;
    Anathema* a = new Anathema(at(500, 500));
    Weapon fusion(3), bullet(1);
    EXPECT_TRUE(a->reactToWeapon(&fusion));
    EXPECT_EQ(a->numberOfHits, 1);
    EXPECT_EQ(a->flashUntil, Entity::time + 2);
    EXPECT_EQ(sounds.count("/data/sounds/shots_tele_b.caf"), 1);
    EXPECT_TRUE(a->reactToWeapon(&bullet));
    EXPECT_TRUE(a->reactToWeapon(nullptr));
    EXPECT_EQ(a->numberOfHits, 3);
    EXPECT_EQ(sounds.count("/data/sounds/shots_tele_b.caf"), 1);
    a->state = 2;
    EXPECT_FALSE(a->reactToWeapon(&bullet));
    EXPECT_EQ(a->numberOfHits, 3);
}

TEST(Anathema, BeamFieldEdgesBehindAndOncePerTenSteps) {
    struct Case {
        float x, y;
        bool hit;
    };
    const Case cases[] = {
        {1500, 1200, true}, {1500, 800, true},  {1500, 1200.5f, false}, {1500, 799.5f, false},
        {900, 1000, false}, {5000, 1100, true}, {1000, 1150, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        Arena arena(8000, 8000);
        Player* p = new Player(at(c.x, c.y));
        Anathema* a = new Anathema(at(1000, 1000));
        p->position = at(c.x, c.y);
        EXPECT_EQ(a->detectIfPlayerIsInCannonField(), c.hit);
        EXPECT_EQ(a->nextFieldCheckTime, Entity::time + 10);
        EXPECT_FALSE(a->detectIfPlayerIsInCannonField());
        Entity::time += 10;
        EXPECT_EQ(a->detectIfPlayerIsInCannonField(), c.hit);
    }
}

TEST(Anathema, DifficultyZeroNeverAims) {
    DifficultyPin pin(0);
    Arena arena(8000, 8000);
    Player* p = new Player(at(4000, 4000));
    Anathema* a = new Anathema(at(4000, 4300));
    EXPECT_EQ(a->maxHits, 500);
    for (int i = 0; i < 3000; i++) {
        arena.step();
        ASSERT_EQ(a->cannonState, 0) << i;
        p->position = at(4000, 4000);
    }
}

TEST(Anathema, CannonCycleAndTheBodyFrozenWhileItChargesAndFires) {
    for (int d = 1; d <= 2; d++) {
        SCOPED_TRACE(d);
        DifficultyPin pin(d);
        Arena arena(8000, 8000, 10 + d);
        Player* p = new Player(at(4000, 4000));
        Anathema* a = new Anathema(at(3700, 4000));
        EXPECT_EQ(a->maxHits, 666);
        int firstStart = a->cannonStartTime;
        EXPECT_GE(firstStart, 40);
        EXPECT_LE(firstStart, 69);
        std::vector<int> changes;  // the step of each state change
        std::vector<int> states;
        int state = 0;
        int ringSteps = 0;
        while (changes.size() < 5 && Entity::time < 3000) {
            Coord before = a->position;
            arena.step();
            // The player keeps 300 ahead of it along +x, where the beam turns.
            p->position = at(a->position.x + 300, a->position.y);
            if (a->cannonState != state) {
                changes.push_back(Entity::time);
                states.push_back(a->cannonState);
                state = a->cannonState;
            }
            if (state == 2 || state == 3) {
                EXPECT_EQ(a->position.x, before.x);
                EXPECT_EQ(a->position.y, before.y);
            }
            if (state == 3 && Entity::time % 7 == 0)
                ringSteps++;
        }
        ASSERT_EQ(states, (std::vector<int>{1, 2, 3, 0, 1}));
        EXPECT_EQ(changes[0], firstStart + 1);
        EXPECT_GE(changes[0], 41);
        EXPECT_LE(changes[0], 70);
        EXPECT_EQ(changes[1] - firstStart, 80) << "aiming";
        EXPECT_EQ(changes[2] - changes[1], 38) << "charging";
        EXPECT_EQ(changes[3] - changes[2], 201) << "firing";
        EXPECT_EQ(changes[4] - changes[3], 801) << "the next aim";
        EXPECT_GT(ringSteps, 25);
        EXPECT_TRUE(a->shots.empty());
        EXPECT_GT(Player::getHitNumber(), 0) << "the beam found the player ahead";
    }
}

TEST(Anathema, TheLevelReadsTheLastHitCountAfterItsDeath) {
    DifficultyPin pin(0);
    Arena arena;
    Anathema* a = new Anathema(at(500, 500));
    for (int i = 0; i < 501; i++)
        a->reactToWeapon(nullptr);
    EXPECT_TRUE(a->toBeDeleted);
    arena.step();
    EXPECT_FALSE(Entity::isLive(a));
    EXPECT_EQ(Entity::lastHitsOf(a), 501);
}

TEST(Anathema, ContactPushesThePlayer30AndNotWhileFlying) {
    Arena arena(2000, 2000);
    Player* p = new Player(at(1000, 1040));
    Anathema* a = new Anathema(at(1000, 1000));
    a->reactToCollisionWithPlayerCallback(p);
    EXPECT_NEAR(p->position.y, 1070.0f, 1e-3);
    EXPECT_EQ(a->pushUntil, Entity::time + 60);
    EXPECT_EQ(Player::getHitNumber(), 0);
    a->state = 2;
    a->reactToCollisionWithPlayerCallback(p);
    EXPECT_NEAR(p->position.y, 1070.0f, 1e-3);
}
