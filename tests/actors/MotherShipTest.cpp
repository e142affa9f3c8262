// The mother ship: hits, the death bursts by spacing, contact and probes.
#include <gtest/gtest.h>

#include <cmath>

#include "EnemyTestSupport.h"
#include "actors/BadBulletMotherShip.h"

using actortest::Arena;
using actortest::DrawCounter;
using enemytest::Weapon;

TEST(MotherShip, TwentyFirstHitKillsFusionCountsFive) {
    Arena arena;
    Weapon bullet(1), fusion(3);
    MotherShip* a = new MotherShip(Coord(500, 500, 0), 60, 0, true);
    MotherShip* b = new MotherShip(Coord(500, 500, 0), 60, 0, true);
    arena.step();
    for (int i = 0; i < 20; i++)
        EXPECT_TRUE(a->reactToWeapon(&bullet));
    EXPECT_FALSE(a->toBeDeleted);
    EXPECT_EQ(a->flashUntil, Entity::time + 2);
    EXPECT_TRUE(a->reactToWeapon(&bullet));
    EXPECT_TRUE(a->toBeDeleted);
    EXPECT_FALSE(a->reactToWeapon(&bullet));
    for (int i = 0; i < 4; i++)
        EXPECT_TRUE(b->reactToWeapon(&fusion));
    EXPECT_EQ(b->numberOfHits, 20);
    EXPECT_FALSE(b->toBeDeleted);
    EXPECT_TRUE(b->reactToWeapon(&fusion));
    EXPECT_TRUE(b->toBeDeleted);
}

namespace {

struct BurstCase {
    float spacing;
    int type;
    int bullets;
    int draws;  // 1 for the ring's turn, then 4 per bullet
};

}  // namespace

TEST(MotherShip, DeathBurstBySpacing) {
    const BurstCase cases[] = {{60, 1, 6, 1 + 24}, {90, 1, 4, 1 + 16}, {7, 2, 52, 1 + 208}, {2, 3, 60, 240}};
    for (const BurstCase& c : cases) {
        SCOPED_TRACE(c.spacing);
        Arena arena(2048, 2048);
        new Player(Coord(1000, 1800, 0));
        MotherShip* m = new MotherShip(Coord(1000, 1000, 0), c.spacing, 0, true);
        EXPECT_EQ(m->type, c.type);
        arena.step();
        m->numberOfHits = 20;
        Weapon bullet(1);
        DrawCounter draws;
        m->reactToWeapon(&bullet);
        EXPECT_EQ(draws.count(), (uint64_t)c.draws);
        std::vector<float> angles;
        for (Entity* e : Entity::entityVector)
            if (BadBulletMotherShip* b = dynamic_cast<BadBulletMotherShip*>(e))
                angles.push_back(b->angle);
        ASSERT_EQ((int)angles.size(), c.bullets);
        for (size_t i = 1; i < angles.size(); i++)
            EXPECT_NEAR(angles[i] - angles[i - 1], c.spacing, 1e-3);
        if (c.type == 3) {
            // A 120-degree fan centred on the player, straight up from the ship.
            EXPECT_NEAR(angles.front(), 30.0f, 1e-3);
            EXPECT_NEAR(angles.back(), 148.0f, 1e-3);
        }
    }
}

TEST(MotherShip, ContactCostsFiveOrOneWithAnAlly) {
    for (bool ally : {false, true}) {
        SCOPED_TRACE(ally);
        Arena arena(2048, 2048);
        Player* p = enemytest::playerWithAlly(ally);
        // Out of the player's reach: the test touches it itself.
        MotherShip* m = new MotherShip(Coord(1600, 1000, 0), 60, 90, false);
        m->reactToCollisionWithPlayerCallback(p);
        EXPECT_EQ(Player::getHitNumber(), 0);
        arena.run(181);
        m->reactToCollisionWithPlayerCallback(p);
        m->reactToCollisionWithPlayerCallback(p);
        EXPECT_EQ(Player::getHitNumber(), ally ? 1 : 5);
        EXPECT_EQ(enemytest::countOf<BadBulletMotherShip>(), 0);
    }
}

TEST(MotherShip, ProbesAndBounce) {
    Arena arena(2048, 2048);
    MotherShip* m = new MotherShip(Coord(1000, 1000, 0), 60, 0, true);
    const float expected[5] = {0.0f, -81.1f, 81.1f, 50.7f, -50.7f};
    for (int k = 0; k < 5; k++) {
        EXPECT_NEAR(std::hypot(m->probes[k].x, m->probes[k].y), 50.0f, 1e-3);
        EXPECT_NEAR(std::atan2(m->probes[k].y, m->probes[k].x) * 180 / M_PI, expected[k], 0.1);
    }
    arena.wallFacingLeft(1200, 0, 2048);
    arena.run(100);
    EXPECT_EQ(m->angle, 180.0f);
    EXPECT_LT(m->position.x, 1200.0f);
    EXPECT_FALSE(MotherShip::acceptsSpacing(0.0f));
    EXPECT_FALSE(MotherShip::acceptsSpacing(-7.0f));
    EXPECT_TRUE(MotherShip::acceptsSpacing(0.5f));
}
