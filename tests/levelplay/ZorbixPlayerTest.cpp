// The module's player functions: the ship, its bullets, its ally and the
// friend ships, with and without a player.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ModuleWorld.h"
#include "actors/Bullet.h"
#include "actors/PlayerAlly.h"
#include "actors/PlayerFriends.h"

class ZorbixPlayer : public ModuleWorld {};

TEST_F(ZorbixPlayer, WithoutAPlayerNothingHappens) {
    ASSERT_EQ(run(R"(
        zorbix.setPlayerColor(1, 2, 3) zorbix.setPlayerRemoveCustomColor()
        zorbix.setPlayerCanShoot(true) zorbix.setPlayerCanMove(false) zorbix.setPlayerHasRam(true)
        zorbix.setPlayerIsInvincible(true) zorbix.setPlayerShootType(3) zorbix.setPlayerShootMode(2)
        zorbix.setPlayerShip(4) zorbix.setPlayerNumberOfCollisions(9) zorbix.setPlayerAlly(5, 5)
        zorbix.removePlayerAlly() zorbix.setFriendsRadius(128) zorbix.setFriendsRotation(90)
        zorbix.setPlayerFriendsCanShoot(false) zorbix.destroyAllFriends()
    )"),
              "");
    EXPECT_EQ(entityCount(), 0);
    EXPECT_EQ(eval("zorbix.getPlayerShip() + zorbix.getPlayerNumberOfCollisions() + zorbix.getPlayerNumberOfKills()"),
              "0");
    EXPECT_EQ(eval("type(zorbix.getPlayerAlly())"), "userdata");
    EXPECT_EQ(eval("zorbix.getPlayerAlly() == zorbix.newExplosion()"), "true");
    EXPECT_EQ(eval("zorbix.getUncommonValue('friendsCount')"), "0");
}

TEST_F(ZorbixPlayer, PlayerSettings) {
    ASSERT_EQ(run("p = zorbix.newPlayer(100, 120)"), "");
    Player* p = object<Player>("p");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(Player::player, p);
    EXPECT_TRUE(StatePlay::camera.equals(Coord(100.0f, 120.0f, 0.0f)));
    EXPECT_EQ(eval("zorbix.getEntityX(p)"), "100");

    // The player colour divides by 256: 255 is not quite 1.
    ASSERT_EQ(run("zorbix.setPlayerColor(255, 128, 0)"), "");
    EXPECT_TRUE(p->hasCustomColor);
    EXPECT_EQ(p->customColor.r, 0.99609375f);
    EXPECT_EQ(p->customColor.g, 0.5f);
    EXPECT_EQ(p->customColor.b, 0.0f);
    EXPECT_EQ(p->customColor.a, 1.0f);
    ASSERT_EQ(run("zorbix.setPlayerRemoveCustomColor()"), "");
    EXPECT_FALSE(p->hasCustomColor);

    // Shoot types outside -1..6 are ignored.
    struct Type {
        int set, expected;
    } types[] = {{3, 3}, {7, 3}, {-2, 3}, {2147483647, 3}, {-1, -1}, {6, 6}, {0, 0}};
    for (const Type& t : types) {
        ASSERT_EQ(run("zorbix.setPlayerShootType(" + std::to_string(t.set) + ")"), "");
        EXPECT_EQ(p->bulletType, t.expected) << t.set;
    }

    ASSERT_EQ(run("zorbix.setPlayerShootMode(2) zorbix.setPlayerShip(3) zorbix.setPlayerNumberOfCollisions(5)"), "");
    EXPECT_EQ(p->shootMode, 2);
    EXPECT_EQ(eval("zorbix.getPlayerShip()"), "3");
    EXPECT_EQ(eval("zorbix.getPlayerNumberOfCollisions()"), "5");
    EXPECT_EQ(eval("zorbix.getPlayerNumberOfKills()"), "0");
    ASSERT_EQ(run("zorbix.setPlayerShootMode(-1) zorbix.setPlayerShootMode(99) zorbix.setPlayerShip(-7)"), "");
    EXPECT_EQ(p->shootMode, 2);

    // Booleans: nil is false, 0 is true.
    ASSERT_EQ(run("zorbix.setPlayerCanShoot(nil) zorbix.setPlayerCanMove(0) zorbix.setPlayerIsInvincible(1)"), "");
    EXPECT_FALSE(p->canShoot);
    EXPECT_TRUE(p->canMove);
    EXPECT_TRUE(p->isInvincible);
    ASSERT_EQ(run("zorbix.setPlayerHasRam(true)"), "");
    EXPECT_TRUE(p->hasRam);
    for (int i = 0; i < 30; i++)
        Entity::updateAll();
    EXPECT_EQ(Player::player, p);
}

TEST_F(ZorbixPlayer, PlayerBullets) {
    Bullet* b = object<Bullet>("zorbix.newPlayerBullet(10, 20, 255 * 3, 510, 2)");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->speed, 2.0f);
    EXPECT_EQ(b->getType(), 2);
    EXPECT_EQ(b->angle, 3.0f);
    // The handle is the entity's, not the weapon part's.
    EXPECT_EQ(eval("zorbix.getEntityY(zorbix.newPlayerBullet(10, 20, 0, 255, -1))"), "20");
    int before = entityCount();
    for (const char* type : {"7", "-2", "2147483647", "-2147483648"}) {
        EXPECT_EQ(eval("zorbix.newPlayerBullet(0, 0, 0, 255, " + std::string(type) + ") == zorbix.newExplosion()"),
                  "true")
            << type;
        EXPECT_EQ(entityCount(), before) << type;
    }
}

TEST_F(ZorbixPlayer, AllyFollowsTheSticks) {
    ASSERT_EQ(run("p = zorbix.newPlayer(100, 100) zorbix.setPlayerAlly(150, 100)"), "");
    EXPECT_TRUE(sticks->blueAndRedActive);
    EXPECT_EQ(sticks->moveStick->style, 2);
    PlayerAlly* ally = object<PlayerAlly>("zorbix.getPlayerAlly()");
    ASSERT_NE(ally, nullptr);
    EXPECT_EQ(ally, Player::getAlly());
    int count = entityCount();
    ASSERT_EQ(run("zorbix.setPlayerAlly(300, 40)"), "");
    EXPECT_EQ(entityCount(), count);
    EXPECT_EQ(eval("zorbix.getEntityX(zorbix.getPlayerAlly())"), "300");
    ASSERT_EQ(run("a = zorbix.getPlayerAlly() zorbix.removePlayerAlly()"), "");
    EXPECT_FALSE(sticks->blueAndRedActive);
    EXPECT_TRUE(ally->toBeDeleted);
    EXPECT_EQ(eval("zorbix.getPlayerAlly() == zorbix.newExplosion()"), "true");
    Entity::updateAll();
    // The old ally's handle is stale now.
    EXPECT_EQ(eval("zorbix.getEntityX(a)"), "0");
}

TEST_F(ZorbixPlayer, FriendShips) {
    ASSERT_EQ(run("p = zorbix.newPlayer(0, 0)"), "");
    // Without x and y (at least three arguments) the friend stands at (0, 0).
    PlayerFriends* f = object<PlayerFriends>("zorbix.newUncommonEntity('player friend', 5)");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->position.x, 0.0f);
    EXPECT_EQ(f->position.y, 0.0f);
    PlayerFriends* g = object<PlayerFriends>("zorbix.newUncommonEntity('player friend', 30, 20)");
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->position.x, 30.0f);
    for (int i = 0; i < 20; i++)
        Entity::updateAll();
    ASSERT_EQ(eval("zorbix.getUncommonValue('friendsCount')"), "2");

    // The radius divides by 256: 128 puts the ring 60 units out.
    ASSERT_EQ(run("zorbix.setFriendsRadius(128)"), "");
    EXPECT_NEAR(f->offset.length(), 60.0f, 1e-4);
    ASSERT_EQ(run("zorbix.setFriendsRotation(90)"), "");
    EXPECT_FLOAT_EQ(f->rotation, (float)(M_PI / 2));
    ASSERT_EQ(run("zorbix.setPlayerFriendsCanShoot(nil)"), "");
    EXPECT_FALSE(PlayerFriends::canShoot);
    ASSERT_EQ(run("zorbix.setPlayerFriendsCanShoot(0)"), "");
    EXPECT_TRUE(PlayerFriends::canShoot);
    ASSERT_EQ(run("zorbix.destroyAllFriends()"), "");
    EXPECT_EQ(eval("zorbix.getUncommonValue('friendsCount')"), "0");
    EXPECT_TRUE(f->toBeDeleted && g->toBeDeleted);

    // Unknown names make nothing and give nil.
    int before = entityCount();
    for (const char* call : {"newUncommonEntity()", "newUncommonEntity(nil, 1, 2)", "newUncommonEntity({}, 1, 2)",
                             "newUncommonEntity('dragon', 1, 2)", "newUncommonEntity('player friend\\0', 1, 2)"})
        EXPECT_EQ(eval("select('#', zorbix." + std::string(call) + ")"), "0") << call;
    EXPECT_EQ(entityCount(), before);
    for (const char* call : {"getUncommonValue('dragon')", "getUncommonValue()", "getUncommonValue(nil)",
                             "getUncommonValue('friendsCount\\0')"})
        EXPECT_EQ(eval("zorbix." + std::string(call)), "nil") << call;
    EXPECT_NE(run("zorbix.newUncommonEntity('player friend', 1, 'y')").find("bad argument #3 to 'newUncommonEntity'"),
              std::string::npos);
    EXPECT_EQ(entityCount(), before);
}
