// Suciders: the rings of the medium size at each difficulty, contact, damage
// by weapon kind, the shared laser list and the ally-or-player target.
#include <gtest/gtest.h>

#include "EnemyTestSupport.h"
#include "actors/PlayerAlly.h"
#include "actors/SuciderLaserRenderer.h"
#include "graphics/PlayerExplosion.h"

using actortest::Arena;
using actortest::DrawCounter;
using enemytest::DifficultyPin;
using enemytest::Weapon;

namespace {

struct RingCase {
    int difficulty;
    std::vector<int> rings;
    float speedFactor;
};

}  // namespace

// Life taken far below every threshold at once still gives one ring per step.
TEST(Sucider, MediumRingsByDifficulty) {
    const RingCase cases[] = {
        {1, {18, 21, 24, 27, 30}, 1.0f},
        {2, {25, 29, 33, 37, 42}, 1.2f},
        {0, {9, 10, 12, 13, 15}, 0.5f},
    };
    for (const RingCase& c : cases) {
        SCOPED_TRACE(c.difficulty);
        DifficultyPin pin(c.difficulty);
        Arena arena(4096, 4096);
        Sucider* s = new Sucider(Coord(2000, 2000, 0), 0, Sucider::MEDIUM, false);
        s->life = 10;
        std::vector<int> rings;
        for (int step = 0; step < 7; step++) {
            int before = Sucider::count;
            DrawCounter draws;
            arena.step();
            int made = Sucider::count - before;
            if (made > 0) {
                rings.push_back(made);
                // A player explosion (1 draw) and two draws per new sucider;
                // the medium's own timer changes state at most once.
                EXPECT_GE(draws.count(), (uint64_t)(1 + 2 * made));
                EXPECT_LE(draws.count(), (uint64_t)(2 + 2 * made));
            }
        }
        EXPECT_EQ(rings, c.rings);
        EXPECT_EQ(enemytest::countOf<PlayerExplosion>(), 5);
        Sucider* small = nullptr;
        for (Entity* e : Entity::entityVector)
            if ((small = dynamic_cast<Sucider*>(e)) && small != s)
                break;
        ASSERT_NE(small, nullptr);
        EXPECT_FLOAT_EQ(small->baseSpeed, 14.0f * c.speedFactor);
    }
}

TEST(Sucider, MediumContactReleasesFortyAndCostsTen) {
    Arena arena(2048, 2048);
    Player* p = new Player(Coord(1000, 1000, 0));
    Sucider* s = new Sucider(Coord(1000, 1000, 0), 0, Sucider::MEDIUM, false);
    s->reactToCollisionWithPlayerCallback(p);
    EXPECT_EQ(Player::getHitNumber(), 10);
    EXPECT_TRUE(s->toBeDeleted);
    EXPECT_EQ(Sucider::count, 41);
    arena.step();
    EXPECT_EQ(Sucider::count, 40);
    for (Entity* e : Entity::entityVector)
        if (Sucider* small = dynamic_cast<Sucider*>(e)) {
            EXPECT_EQ(small->type, Sucider::SMALL);
            EXPECT_EQ(small->state, 2);
        }
    Sucider* big = new Sucider(Coord(1000, 1000, 0), 0, Sucider::BIG, false);
    big->reactToCollisionWithPlayerCallback(p);
    EXPECT_EQ(Player::getHitNumber(), 11);
}

TEST(Sucider, DamageByKind) {
    Arena arena;
    Weapon bullet(1), fusion(3), ram(2);
    Sucider* s = new Sucider(Coord(500, 500, 0), 0, Sucider::SMALL, false);
    EXPECT_TRUE(s->reactToWeapon(&fusion));
    EXPECT_EQ(s->life, 2);
    EXPECT_EQ(s->flashUntil, Entity::time + 2);
    EXPECT_TRUE(s->reactToWeapon(&bullet));
    EXPECT_FALSE(s->toBeDeleted);
    EXPECT_TRUE(s->reactToWeapon(&bullet));
    EXPECT_TRUE(s->toBeDeleted);
    // Hits on a sucider already at 0 only flash and are used up.
    EXPECT_TRUE(s->reactToWeapon(&bullet));
    EXPECT_EQ(s->life, 0);
    Sucider* big = new Sucider(Coord(500, 500, 0), 0, Sucider::BIG, false);
    EXPECT_TRUE(big->reactToWeapon(&ram));
    EXPECT_TRUE(big->toBeDeleted);
    EXPECT_EQ(big->life, 400);
}

// A type the table does not know makes a small one, with the same draws.
TEST(Sucider, UnknownTypeIsSmall) {
    Arena arena;
    for (int t : {-1, 3, 1000}) {
        Sucider* s = new Sucider(Coord(500, 500, 0), 0, (Sucider::Type)t, false);
        EXPECT_EQ(s->type, Sucider::SMALL);
        EXPECT_EQ(s->life, 5);
        EXPECT_EQ(s->radius, 20);
        EXPECT_EQ(s->frame, 0);
    }
}

TEST(Sucider, TimedStatesDrawOncePerChange) {
    Arena arena(4096, 4096);
    Sucider* s = new Sucider(Coord(2000, 2000, 0), 0, Sucider::BIG, false);
    int changes = 0;
    DrawCounter draws;
    int state = s->state;
    for (int i = 0; i < 1500; i++) {
        arena.step();
        if (s->state != state) {
            changes++;
            state = s->state;
        }
    }
    EXPECT_GE(changes, 6);
    EXPECT_EQ(draws.count(), (uint64_t)changes);
}

TEST(Sucider, LaserSlotsPassToTheLastAndGrow) {
    Arena arena;
    std::vector<Sucider*> all;
    for (int i = 0; i < 120; i++)
        all.push_back(new Sucider(Coord(100 + i, 500, 0), 0, Sucider::SMALL, false));
    SuciderLaserRenderer* r = Sucider::laserRenderer;
    EXPECT_EQ(r->vertices.size(), 800u);
    EXPECT_EQ(r->colours.size(), 1600u);
    for (int i = 0; i < 120; i++) {
        EXPECT_EQ(all[i]->laserIndex, i);
        EXPECT_EQ(r->suciders[i], all[i]);
    }
    EXPECT_TRUE(all[0]->isVisible());
    all[0]->toBeDeleted = true;
    arena.step();
    EXPECT_EQ(all[119]->laserIndex, 0);
    EXPECT_EQ(r->suciders[0], all[119]);
    EXPECT_TRUE(all[119]->isVisible());
    for (size_t i = 0; i < r->suciders.size(); i++)
        EXPECT_EQ(r->suciders[i]->laserIndex, (int)i);
}

TEST(Sucider, FirstSuciderOfALevelStartsAFreshLaserList) {
    {
        Arena arena;
        new Sucider(Coord(500, 500, 0), 0, Sucider::SMALL, false);
    }
    Arena arena;
    Sucider* s = new Sucider(Coord(500, 500, 0), 0, Sucider::SMALL, false);
    EXPECT_EQ(s->laserIndex, 0);
    EXPECT_EQ(Sucider::laserRenderer->suciders.size(), 1u);
}

// The target is a flag: once the ally is gone the sucider aims at the player.
TEST(Sucider, AimsAtThePlayerOnceTheAllyIsGone) {
    Arena arena(2048, 2048);
    new Player(Coord(1000, 1000, 0));
    Player::setAlly(Coord(1500, 1000, 0));
    ASSERT_NE(Player::getAlly(), nullptr);
    Sucider* s = new Sucider(Coord(1000, 500, 0), 0, Sucider::SMALL, false);
    s->aimAtAlly = true;
    EXPECT_NEAR(EnemyKit::targetPosition(s->aimAtAlly).x, 1510.0f, 20.0f);
    Player::removeAlly();
    arena.run(3);
    EXPECT_EQ(Player::getAlly(), nullptr);
    Coord t = EnemyKit::targetPosition(s->aimAtAlly);
    EXPECT_EQ(t.x, Player::getCoord().x);
    EXPECT_EQ(t.y, Player::getCoord().y);
    s->state = 1;
    s->nextEventTime = Entity::time + 1000;
    arena.run(200);
    EXPECT_TRUE(Entity::isLive(s));
}
