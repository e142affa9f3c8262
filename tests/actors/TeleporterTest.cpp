// The teleporter: hits by weapon kind, its bursts at each difficulty, shots
// passing during a teleport, the push on contact and its draws.
#include <gtest/gtest.h>

#include "EnemyTestSupport.h"
#include "actors/BadBulletHelicopter.h"

using actortest::Arena;
using actortest::DrawCounter;
using enemytest::DifficultyPin;
using enemytest::SoundRecorder;
using enemytest::Weapon;

TEST(Teleporter, FusionCountsFourAndFlashesOtherKindsOne) {
    Arena arena;
    SoundRecorder sounds;
    Teleporter* t = new Teleporter(Coord(500, 500, 0));
    Weapon fusion(3), bullet(1), ram(2), link(0);
    EXPECT_TRUE(t->reactToWeapon(&bullet));
    EXPECT_EQ(t->state, 1);
    EXPECT_EQ(t->numberOfHits, 1);
    EXPECT_EQ(t->flashUntil, 0);
    EXPECT_TRUE(t->reactToWeapon(&ram));
    EXPECT_TRUE(t->reactToWeapon(&link));
    EXPECT_EQ(t->numberOfHits, 3);
    EXPECT_TRUE(sounds.heard.empty());
    EXPECT_TRUE(t->reactToWeapon(&fusion));
    EXPECT_EQ(t->numberOfHits, 7);
    EXPECT_EQ(t->flashUntil, Entity::time + 2);
    EXPECT_EQ(sounds.count("/data/sounds/shots_tele_b.caf"), 1);
}

TEST(Teleporter, SleepsUntilShot) {
    Arena arena;
    Teleporter* t = new Teleporter(Coord(900, 900, 0));
    arena.run(300);
    EXPECT_EQ(t->state, 0);
    EXPECT_EQ(t->position.x, 900.0f);
    EXPECT_EQ(Entity::entityVector.size(), 1u);
}

struct BurstCase {
    int difficulty;
    int perGroup;
    float speed;
};

// A teleport loads 10 groups; the first flies 6 steps after the arrival,
// then one every 3 steps; the sound marks groups 1, 3, 5, 7 and 9.
TEST(Teleporter, BurstAfterEachTeleport) {
    const BurstCase cases[] = {{0, 1, 7.0f}, {1, 2, 11.2f}, {2, 4, 14.0f}};
    for (const BurstCase& c : cases) {
        SCOPED_TRACE(c.difficulty);
        DifficultyPin pin(c.difficulty);
        Arena arena(4096, 4096);
        SoundRecorder sounds;
        // No player: it aims at the origin, far away, and no bullet is lost.
        Teleporter* t = new Teleporter(Coord(3000, 3000, 0));
        Weapon bullet(1);
        t->reactToWeapon(&bullet);
        DrawCounter draws;
        while (t->state != 2)
            arena.step();
        EXPECT_EQ(draws.count(), 2u);
        EXPECT_EQ(sounds.count("/data/sounds/teleporter_small.caf"), 1);
        // Shots pass while it flies.
        EXPECT_FALSE(t->reactToWeapon(&bullet));
        EXPECT_EQ(t->numberOfHits, 1);
        while (t->state != 1)
            arena.step();
        int arrival = Entity::time;
        std::vector<int> groupTimes;
        std::vector<int> soundsAt;
        int before = 0;
        while ((int)groupTimes.size() < 10 && Entity::time < arrival + 100) {
            int heard = sounds.count("/data/sounds/shots_tele_a.caf");
            arena.step();
            int now = enemytest::countOf<BadBulletHelicopter>();
            if (now > before) {
                EXPECT_EQ(now - before, c.perGroup);
                groupTimes.push_back(Entity::time);
                if (sounds.count("/data/sounds/shots_tele_a.caf") > heard)
                    soundsAt.push_back((int)groupTimes.size());
            }
            before = now;
        }
        ASSERT_EQ(groupTimes.size(), 10u);
        EXPECT_EQ(groupTimes[0], arrival + 6);
        for (size_t i = 1; i < groupTimes.size(); i++)
            EXPECT_EQ(groupTimes[i] - groupTimes[i - 1], 3);
        EXPECT_EQ(soundsAt, (std::vector<int>{1, 3, 5, 7, 9}));
        EXPECT_EQ(enemytest::countOf<BadBulletHelicopter>(), 10 * c.perGroup);
        BadBulletHelicopter* b = nullptr;
        for (Entity* e : Entity::entityVector)
            if ((b = dynamic_cast<BadBulletHelicopter*>(e)))
                break;
        ASSERT_NE(b, nullptr);
        EXPECT_NEAR(b->velocity.length(), c.speed, 1e-3);
        EXPECT_EQ(t->attraction > 0.0f, true);
    }
}

TEST(Teleporter, DifficultyIsReadOnceAtConstruction) {
    Arena arena;
    Teleporter* t;
    {
        DifficultyPin pin(2);
        t = new Teleporter(Coord(500, 500, 0));
    }
    DifficultyPin pin(0);
    EXPECT_EQ(t->difficulty, 2);
}

TEST(Teleporter, ContactPushesThePlayerAwayAndNotOnTheCentre) {
    Arena arena(2048, 2048);
    Player* p = new Player(Coord(1000, 1000, 0));
    Teleporter* t = new Teleporter(Coord(1000, 1000, 0));
    t->reactToCollisionWithPlayerCallback(p);
    EXPECT_EQ(p->position.x, 1000.0f);
    EXPECT_EQ(t->pushUntil, 0);
    t->position = Coord(1000, 950, 0);
    t->reactToCollisionWithPlayerCallback(p);
    EXPECT_NEAR(p->position.y, 1020.0f, 1e-4);
    EXPECT_EQ(t->pushUntil, Entity::time + 60);
    // The push goes on at 0.95 per step while the teleporter sleeps.
    arena.step();
    EXPECT_NEAR(p->position.y, 1040.0f, 1e-3);
    arena.step();
    EXPECT_NEAR(p->position.y, 1059.0f, 1e-3);
    int hits = Player::getHitNumber();
    EXPECT_EQ(hits, 0);
}

TEST(Teleporter, CountFollowsTheDestructorsOnly) {
    {
        Arena arena;
        new Teleporter(Coord(1, 1, 0));
        new Teleporter(Coord(2, 2, 0));
        EXPECT_EQ(Teleporter::count, 2);
    }
    EXPECT_EQ(Teleporter::count, 0);
    EXPECT_EQ(Teleporter::easeInAndOutQuad(0.25f), 0.125f);
    EXPECT_EQ(Teleporter::easeInAndOutQuad(0.75f), 0.875f);
}
