// The player and its ally point at each other; either may go first, a
// script can make a second player, and an ally can be swapped within a
// step. Run under the address sanitizer, these catch a dangling link.
#include <gtest/gtest.h>

#include "actors/Player.h"
#include "actors/PlayerAlly.h"
#include "graphics/VectorModel.h"
#include "support/ActorTestKit.h"
#include "support/GraphicsTestSupport.h"

using actortest::Arena;

namespace {

void stepAndDraw(Arena& arena, int steps) {
    for (int i = 0; i < steps; i++) {
        arena.step();
        graphicstest::resetGlState();
        for (Entity* e : Entity::entityVector)
            e->draw();
    }
}

}  // namespace

class LinkLifetime : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(graphicstest::ensureGlContext());
        graphicstest::requireGlModels();
    }
};

TEST_F(LinkLifetime, AllyGoneFirst) {
    Arena arena;
    Player* p = new Player(Coord(300, 300, 0));
    Player::setAlly(Coord(400, 300, 0));
    arena.hold(45, 30, 135, 30);
    stepAndDraw(arena, 2);
    Player::getAlly()->toBeDeleted = true;
    stepAndDraw(arena, 3);
    EXPECT_EQ(p->ally, nullptr);
    Player::increaseHitNumber(1);
    Player::setCustomColor(true, Color(0.0f, 0.0f, 0.0f));
    Player::setCanMove(true);
    stepAndDraw(arena, 2);
}

TEST_F(LinkLifetime, PlayerGoneFirst) {
    Arena arena;
    Player* p = new Player(Coord(300, 300, 0));
    Player::setAlly(Coord(400, 300, 0));
    PlayerAlly* a = Player::getAlly();
    arena.hold(45, 30, 135, 30);
    stepAndDraw(arena, 2);
    p->toBeDeleted = true;
    stepAndDraw(arena, 3);
    EXPECT_EQ(a->player, nullptr);
    EXPECT_EQ(Player::player, nullptr);
    a->toBeDeleted = true;
    stepAndDraw(arena, 1);
}

TEST_F(LinkLifetime, OlderOfTwoPlayersGone) {
    Arena arena;
    Player* older = new Player(Coord(300, 300, 0));
    Player::setAlly(Coord(400, 300, 0));
    PlayerAlly* olderAlly = Player::getAlly();
    Player* newer = new Player(Coord(600, 600, 0));
    Player::setAlly(Coord(700, 600, 0));
    arena.hold(45, 30, 135, 30);
    stepAndDraw(arena, 2);
    older->toBeDeleted = true;
    stepAndDraw(arena, 3);
    EXPECT_EQ(Player::player, newer) << "only the player it points at clears it";
    EXPECT_EQ(olderAlly->player, nullptr);
    EXPECT_NE(Player::getAlly(), nullptr);
    newer->toBeDeleted = true;
    stepAndDraw(arena, 2);
    EXPECT_EQ(Player::player, nullptr);
}

TEST_F(LinkLifetime, SwappedAllyAndPlayerGoneInTheSameStep) {
    Arena arena;
    Player* p = new Player(Coord(300, 300, 0));
    Player::setAlly(Coord(400, 300, 0));
    stepAndDraw(arena, 1);
    // The removed ally still points at its player when both are destroyed.
    Player::removeAlly();
    Player::setAlly(Coord(200, 300, 0));
    p->toBeDeleted = true;
    stepAndDraw(arena, 3);
    EXPECT_EQ(Player::player, nullptr);
}

TEST_F(LinkLifetime, ResetWithBothAlive) {
    for (int playerFirst = 0; playerFirst < 2; playerFirst++) {
        Arena arena;
        PlayerAlly* early = nullptr;
        if (!playerFirst) {
            // An ally made before its player in the world list.
            Player* p = new Player(Coord(300, 300, 0));
            early = new PlayerAlly(Coord(400, 300, 0), p);
            p->ally = early;
            p->hasAlly = true;
            p->toBeDeleted = true;
            arena.step();
            p = new Player(Coord(300, 300, 0));
            Player::setAlly(Coord(400, 300, 0));
        } else {
            new Player(Coord(300, 300, 0));
            Player::setAlly(Coord(400, 300, 0));
        }
        stepAndDraw(arena, 2);
        Entity::reset();
        EXPECT_EQ(Player::player, nullptr);
    }
}

// Lit pixels in a square of 2 * radius + 1 around (x, y).
static int litAround(const graphicstest::Pixels& pixels, float x, float y, int radius) {
    int n = 0;
    for (int py = (int)y - radius; py <= (int)y + radius; py++)
        for (int px = (int)x - radius; px <= (int)x + radius; px++) {
            const unsigned char* c = pixels.at(px, py);
            if (c[0] || c[1] || c[2])
                n++;
        }
    return n;
}

TEST_F(LinkLifetime, AllyOutlivingItsLinkGraphicDrawsNoLink) {
    Arena arena;
    new Player(Coord(300, 300, 0));
    Player::setAlly(Coord(400, 300, 0));
    PlayerAlly* ally = Player::getAlly();
    stepAndDraw(arena, 1);
    // Halfway between the two bodies only the link is drawn.
    Coord middle = ally->midpoint;
    graphicstest::resetGlState();
    ally->draw();
    graphicstest::Pixels before = graphicstest::readPixels();
    ASSERT_TRUE(ally->drawsLink());
    ASSERT_GT(litAround(before, middle.x, middle.y, 8), 0) << "the link is drawn while its graphic lives";

    // The next game's screen drops the random models before this world goes.
    VectorModel::deleteVMThatUsesRandomNumbers();
    // Drawing the deleted graphic may well light nothing: the ally must not
    // try (the address sanitizer also catches the read).
    EXPECT_FALSE(ally->drawsLink());
    graphicstest::resetGlState();
    ally->draw();
    graphicstest::Pixels after = graphicstest::readPixels();
    EXPECT_EQ(litAround(after, middle.x, middle.y, 8), 0) << "a link drawn after its graphic was deleted";
    EXPECT_GT(litAround(after, ally->position.x, ally->position.y, 8), 0) << "the ally itself is still drawn";
}
