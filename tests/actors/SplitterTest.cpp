// Splitter and its parts, and the spiny.
#include <gtest/gtest.h>

#include <cmath>

#include "EnemyTestSupport.h"

using actortest::Arena;
using actortest::DrawCounter;
using enemytest::Weapon;

TEST(Splitter, FiveHitsGiveFivePartsAt72Degrees) {
    for (float spin : {5.0f, -5.0f}) {
        SCOPED_TRACE(spin);
        Arena arena(2048, 2048);
        Splitter* s = new Splitter(Coord(1000, 1000, 0));
        s->spinSpeed = spin;
        arena.run(100);
        Weapon bullet(1), fusion(3);
        for (int i = 0; i < 4; i++) {
            EXPECT_TRUE(s->reactToWeapon(i % 2 ? &bullet : &fusion));
            EXPECT_FALSE(s->toBeDeleted);
        }
        DrawCounter draws;
        EXPECT_TRUE(s->reactToWeapon(&bullet));
        EXPECT_TRUE(s->toBeDeleted);
        EXPECT_EQ(draws.count(), 5u);
        std::vector<SplitterPart*> parts;
        for (Entity* e : Entity::entityVector)
            if (SplitterPart* p = dynamic_cast<SplitterPart*>(e))
                parts.push_back(p);
        ASSERT_EQ(parts.size(), 5u);
        for (int k = 0; k < 5; k++) {
            EXPECT_NEAR(parts[k]->angle, k * 1.2566371f, 1e-6);
            EXPECT_FLOAT_EQ(parts[k]->turnRate, spin > 0 ? 0.04f : -0.04f);
            Coord c = parts[k]->centre;
            EXPECT_NEAR(std::hypot(c.x - s->position.x, c.y - s->position.y), 100.0f, 1e-3);
        }
        EXPECT_EQ(SplitterPart::count, 5);
        // A part takes two hits of any kind.
        Weapon ram(2);
        EXPECT_TRUE(parts[0]->reactToWeapon(&ram));
        EXPECT_FALSE(parts[0]->toBeDeleted);
        EXPECT_TRUE(parts[0]->reactToWeapon(&ram));
        EXPECT_TRUE(parts[0]->toBeDeleted);
        EXPECT_FALSE(parts[0]->reactToWeapon(&ram));
    }
}

TEST(Splitter, ContactCostsFourOrOneWithAnAlly) {
    for (bool ally : {false, true}) {
        SCOPED_TRACE(ally);
        Arena arena(2048, 2048);
        Player* p = enemytest::playerWithAlly(ally);
        Splitter* s = new Splitter(Coord(1000, 1000, 0));
        s->reactToCollisionWithPlayerCallback(p);
        EXPECT_EQ(Player::getHitNumber(), 0);  // still appearing
        arena.run(100);
        s->reactToCollisionWithPlayerCallback(p);
        s->reactToCollisionWithPlayerCallback(p);
        EXPECT_EQ(Player::getHitNumber(), ally ? 1 : 4);
        EXPECT_EQ(SplitterPart::count, 0);
    }
}

// The step toward the orbit never exceeds 5 units, and a centre that sits on
// the player stays put instead of taking a direction from a zero vector.
TEST(Splitter, BoundedStepsAndACentreOnThePlayer) {
    Arena arena(2048, 2048);
    new Player(Coord(1000, 1000, 0));
    Splitter* s = new Splitter(Coord(1300, 1000, 0));
    s->orbitRadius = 300.0f;
    s->centre = Coord(1000, 1000, 0);
    SplitterPart* part = new SplitterPart(Coord(1000, 1000, 0), 0);
    part->centre = Coord(1000, 1000, 0);
    part->homingCounter = 6;
    part->position = Coord(1400, 1000, 0);
    arena.run(100);
    Coord last = s->position;
    for (int i = 0; i < 300; i++) {
        arena.step();
        ASSERT_TRUE(Entity::isLive(s) && Entity::isLive(part));
        EXPECT_LE(std::hypot(s->position.x - last.x, s->position.y - last.y), 5.0001f);
        last = s->position;
    }
    EXPECT_TRUE(std::isfinite(s->centre.x) && std::isfinite(s->centre.y));
    EXPECT_NEAR(s->centre.x, 1000.0f, 0.2f);
    EXPECT_EQ(part->centre.x, 1000.0f);
    EXPECT_EQ(part->centre.y, 1000.0f);
}

TEST(Spiny, WaitsThenDrawsThreePerDrift) {
    Arena arena(2048, 2048);
    Spiny* s = new Spiny(Coord(1000, 1000, 0), 0, 0);
    DrawCounter draws;
    arena.run(50);
    EXPECT_FALSE(s->waiting);
    EXPECT_EQ(s->position.x, 1000.0f);
    EXPECT_EQ(draws.count(), 0u);
    for (int i = 0; i < 120; i++)
        EXPECT_EQ(s->trail[i], i % 2 ? 1000.0f : 1000.0f);
    arena.step();
    EXPECT_EQ(draws.count(), 3u);
    EXPECT_LE(std::fabs(s->velocity.x), 50.0f / 30.0f);
    EXPECT_LE(std::fabs(s->velocity.y), 50.0f / 30.0f);
    int drifts = 1;
    int next = s->nextTurnTime;
    for (int i = 0; i < 1000; i++) {
        arena.step();
        if (s->nextTurnTime != next) {
            drifts++;
            EXPECT_GE(s->nextTurnTime - Entity::time, 70);
            EXPECT_LT(s->nextTurnTime - Entity::time, 110);
            next = s->nextTurnTime;
        }
    }
    EXPECT_EQ(draws.count(), (uint64_t)(3 * drifts));
}

TEST(Spiny, OneHitKillsAndContactCostsOne) {
    Arena arena;
    Player* p = new Player(Coord(100, 100, 0));
    Spiny* a = new Spiny(Coord(500, 500, 0), 0, 0);
    EXPECT_TRUE(a->reactToWeapon(nullptr));
    EXPECT_TRUE(a->toBeDeleted);
    EXPECT_TRUE(a->reactToWeapon(nullptr));
    Spiny* b = new Spiny(Coord(500, 500, 0), 0, 0);
    b->reactToCollisionWithPlayerCallback(p);
    b->reactToCollisionWithPlayerCallback(p);
    EXPECT_EQ(Player::getHitNumber(), 1);
    arena.step();
    EXPECT_EQ(Spiny::count, 0);
}
