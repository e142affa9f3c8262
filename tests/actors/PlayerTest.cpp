// The player's ship: movement, hits, camera kick, ship models, ram, and the
// class-wide accessors with and without a player.
#include <gtest/gtest.h>

#include <cmath>

#include "actors/Player.h"
#include "actors/PlayerAlly.h"
#include "support/ActorTestKit.h"

using actortest::Arena;

TEST(Player, AccessorsWithoutAPlayer) {
    Arena arena;
    ASSERT_EQ(Player::player, nullptr);
    Coord far(5.0f, 5.0f, 0.0f);
    EXPECT_EQ(Player::getSquareDistance(far), 99999.0f);
    EXPECT_EQ(Player::getDistance(far), 99999.0f);
    EXPECT_EQ(Player::getCoord().x, 0.0f);
    EXPECT_EQ(Player::getHitNumber(), 0);
    EXPECT_EQ(Player::getShip(), 0);
    EXPECT_EQ(Player::getAlly(), nullptr);
    Player::increaseHitNumber(1);
    Player::setAlly(far);
    Player::setShip(3);
    EXPECT_EQ(Entity::entityVector.size(), 0u);
}

TEST(Player, MovesAtDeflectionOverTwelve) {
    Arena arena(2048, 2048);
    Player* p = new Player(Coord(1000, 1000, 0));
    arena.hold(90, 65, 0, 0);
    arena.step();
    EXPECT_NEAR(p->position.x, 1000 + 65 / 12.0, 1e-3);
    EXPECT_NEAR(p->position.y, 1000, 1e-3);
}
