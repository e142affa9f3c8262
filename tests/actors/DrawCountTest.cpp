// Draws of the shared generator, which replays repeat only if every actor
// makes exactly its own: a table by actor and state, and the order of the
// scattering gun's draws with random-coloured bullets.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "actors/Bullet.h"
#include "actors/Player.h"
#include "actors/PlayerAlly.h"
#include "actors/PlayerFriends.h"
#include "graphics/VectorModel.h"
#include "support/ActorTestKit.h"

using actortest::Arena;
using actortest::DrawCounter;

TEST(DrawCount, EachActorMakesItsOwnDrawsOnly) {
    struct Case {
        std::string what;
        std::function<void(Arena&)> setUp;  // after the player is made
        float shootNorm;
        int steps;
        uint64_t draws;
    };
    auto mode = [](int m, int type) {
        return [m, type](Arena&) {
            Player::setShootMode(m);
            Player::setBulletType(type);
        };
    };
    const std::vector<Case> cases = {
        {"mode 7, one volley", mode(7, 0), 65, 1, 4},
        {"mode 7, two volleys", mode(7, 0), 65, 5, 8},
        {"mode 7, stick released", mode(7, 0), 0, 5, 0},
        {"mode 7, type 5", mode(7, 5), 65, 1, 4 * (1 + 3)},
        {"mode 1, type 5: one bullet", mode(1, 5), 65, 1, 3},
        {"mode 3, type 5: 360 bullets", mode(3, 5), 65, 1, 360 * 3},
        {"mode 0", mode(0, 0), 65, 30, 0},
        {"mode 1", mode(1, 0), 65, 30, 0},
        {"mode 2", mode(2, 6), 65, 30, 0},
        {"mode 3", mode(3, 4), 65, 9, 0},
        {"mode 4", mode(4, -1), 65, 30, 0},
        {"mode 5", mode(5, 1), 65, 30, 0},
        {"mode 6", mode(6, 2), 65, 30, 0},
        {"mode 8", mode(8, 3), 65, 30, 0},
        {"ram", [](Arena&) { Player::setHasRam(true); }, 65, 30, 0},
        {"hit with model 0", [](Arena&) { Player::increaseHitNumber(1); }, 0, 30, 0},
        {"ally", [](Arena&) { Player::setAlly(Coord(300, 500, 0)); }, 65, 10, 20},
        {"hidden ally",
         [](Arena&) {
             Player::setAlly(Coord(300, 500, 0));
             Player::setCustomColor(true, Color(0.0f, 0.0f, 0.0f));
         },
         65, 10, 20},
        {"still ally",
         [](Arena&) {
             Player::setAlly(Coord(300, 500, 0));
             Player::setCanMove(false);
         },
         65, 10, 20},
        {"ally without its player",
         [](Arena& arena) {
             Player::setAlly(Coord(300, 500, 0));
             Player::setMustBeDeleted(true);
             arena.step();
         },
         65, 10, 20},
        {"friends",
         [](Arena&) {
             for (int i = 0; i < 3; i++)
                 new PlayerFriends(Coord(505, 500, 0));
         },
         65, 30, 0},
    };
    for (const Case& c : cases) {
        Arena arena(1024, 1024, 3);
        new Player(Coord(500, 500, 0));
        c.setUp(arena);
        arena.hold(0, 30, 90, c.shootNorm);
        DrawCounter draws;
        arena.run(c.steps);
        EXPECT_EQ(draws.count(), c.draws) << c.what;
    }
}

TEST(DrawCount, ScatterGunDrawsEachAngleThenItsBulletsColours) {
    const unsigned int seed = 11;
    Game::mtRand.seed(seed);
    std::vector<int> expected;
    for (int i = 0; i < 16; i++)
        expected.push_back(Game::rand());

    Arena arena(1024, 1024, seed);
    new Player(Coord(500, 500, 0));
    Player::setShootMode(7);
    Player::setBulletType(5);
    arena.hold(0, 0, 90, 65);
    arena.step();
    std::vector<Bullet*> shots = actortest::entitiesOf<Bullet>();
    ASSERT_EQ(shots.size(), 4u);
    for (int i = 0; i < 4; i++) {
        float degrees = -20.0f + expected[4 * i] % 41;
        EXPECT_NEAR(shots[i]->getAngle(), degrees * M_PI / 180, 1e-6) << i;
        EXPECT_FLOAT_EQ(shots[i]->colour.r, (40 + expected[4 * i + 1] % 215) / 255.0f) << i;
        EXPECT_FLOAT_EQ(shots[i]->colour.g, (40 + expected[4 * i + 2] % 215) / 255.0f) << i;
        EXPECT_FLOAT_EQ(shots[i]->colour.b, (40 + expected[4 * i + 3] % 215) / 255.0f) << i;
    }
}

TEST(DrawCount, TheAllyLoadsItsRandomLinkGraphicWhenItIsMade) {
    // A new game drops the link graphic; the first ally of the game builds
    // it again from the game's own numbers, at its making.
    Arena arena;
    new Player(Coord(500, 500, 0));
    VectorModel::deleteVMThatUsesRandomNumbers();
    DrawCounter draws;
    Player::setAlly(Coord(300, 500, 0));
    uint64_t made = draws.count();
    EXPECT_GT(made, 0u);
    draws.restart();
    Player::removeAlly();
    Player::setAlly(Coord(300, 500, 0));
    EXPECT_EQ(draws.count(), 0u) << "cached for the rest of the game";
}
