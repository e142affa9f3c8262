// Enemy bullets: flight, the ram, hits on the player, walls and wrapping.
#include <gtest/gtest.h>

#include "EnemyTestSupport.h"
#include "actors/BadBulletHelicopter.h"
#include "actors/BadBulletLua.h"
#include "actors/BadBulletMotherShip.h"
#include "actors/TeletransportingZone.h"

using actortest::Arena;
using enemytest::Weapon;

TEST(BadBullet, SpeedArgumentIsHalfTheStep) {
    Arena arena;
    Color c(1.0f, 0.0f, 0.0f);
    BadBulletLua* lua = new BadBulletLua(Coord(100, 100, 0), 0, 1, c, 7);
    BadBulletHelicopter* heli = new BadBulletHelicopter(Coord(100, 200, 0), 90);
    arena.step();
    EXPECT_FLOAT_EQ(lua->position.x, 102.0f);
    EXPECT_NEAR(heli->position.y, 204.0f, 1e-4);
    EXPECT_EQ(lua->tag, 7);
}

TEST(BadBullet, OnlyTheRamDestroysIt) {
    Arena arena;
    enemytest::FlashesOn flashesOn;
    Color c(1.0f, 0.0f, 0.0f);
    BadBulletMotherShip* b = new BadBulletMotherShip(Coord(100, 100, 0), 0, 1, c);
    Weapon link(0), bullet(1), fusion(3), ram(2);
    EXPECT_FALSE(b->reactToWeapon(&link));
    EXPECT_FALSE(b->reactToWeapon(&bullet));
    EXPECT_FALSE(b->reactToWeapon(&fusion));
    EXPECT_FALSE(b->toBeDeleted);
    int flashes = TexturedExplosionsHandler::getInstance()->getCount();
    // Two points of the ram in one step: both count, as recorded games expect.
    EXPECT_TRUE(b->reactToWeapon(&ram));
    EXPECT_TRUE(b->reactToWeapon(&ram));
    EXPECT_TRUE(b->toBeDeleted);
    EXPECT_EQ(TexturedExplosionsHandler::getInstance()->getCount(), flashes + 2);
    EXPECT_EQ(enemytest::countOf<Explosion>(), 0);
}

TEST(BadBullet, TwoContactsInAStepCostOneHit) {
    Arena arena;
    Player* p = new Player(Coord(500, 500, 0));
    BadBulletHelicopter* b = new BadBulletHelicopter(Coord(510, 500, 0), 0);
    b->reactToCollisionWithPlayerCallback(p);
    b->reactToCollisionWithPlayerCallback(p);
    EXPECT_EQ(Player::getHitNumber(), 1);
    EXPECT_EQ(enemytest::countOf<FloatingMessage>(), 1);
    EXPECT_EQ(enemytest::countOf<Explosion>(), 1);
}

TEST(BadBullet, BurstsOnTheWallEdge) {
    Arena arena;
    arena.wallFacingLeft(600, 0, 1024);
    BadBulletHelicopter* b = new BadBulletHelicopter(Coord(590, 300, 0), 0, 6.0f);
    b->update();
    EXPECT_TRUE(b->toBeDeleted);
    EXPECT_NEAR(b->position.x, 600.0f, 0.01f);
    EXPECT_NEAR(b->position.y, 300.0f, 0.01f);
    ASSERT_EQ(enemytest::countOf<Explosion>(), 1);
    arena.step();
    EXPECT_FALSE(Entity::isLive(b));
}

TEST(BadBullet, WrapsOnlyDuringItsFirst160Steps) {
    Arena arena(2048, 2048);
    Color c(1.0f, 1.0f, 1.0f);
    BadBulletLua* early = new BadBulletLua(Coord(100, 100, 0), 0, 0, c, 0);
    BadBulletLua* late = new BadBulletLua(Coord(100, 100, 0), 0, 0, c, 0);
    arena.run(159);
    early->teleport(50, 60);
    EXPECT_FALSE(early->toBeDeleted);
    EXPECT_EQ(early->position.x, 50.0f);
    arena.step();
    late->teleport(50, 60);
    EXPECT_TRUE(late->toBeDeleted);
    EXPECT_EQ(late->position.x, 100.0f);
}

// A zero axis leaves GL's rotation undefined: drawn unturned, draws kept.
TEST(BadBullet, MotherShipBulletAxisAndSpin) {
    Arena arena;
    Color c(1.0f, 1.0f, 1.0f);
    BadBulletMotherShip* b = new BadBulletMotherShip(Coord(100, 100, 0), 0, 1, c);
    for (float a : b->axis) {
        EXPECT_GE(a, -1.0f);
        EXPECT_LE(a, 1.0f);
    }
    float r = b->rotation;
    EXPECT_LT(r, 20.0f);
    arena.step();
    EXPECT_EQ(b->rotation, r + 10.0f);
}
