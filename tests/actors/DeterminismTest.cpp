// A scripted game of the player side in a closed arena: the same seed and
// sticks give the same world, bit for bit, with or without explosions shown,
// and the pinned hash holds it to what replays recorded before.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

#include "actors/Player.h"
#include "actors/PlayerFriends.h"
#include "graphics/Explosion.h"
#include "graphics/VectorModel.h"
#include "support/ActorTestKit.h"
#include "support/TestTarget.h"

using actortest::Arena;

namespace {

// Modes 0 to 8 and bullet types -1 to 6 in turn, the sticks sweeping, the
// shoot stick let go now and then, a hit every 500 steps.
SerializedJoystickData scriptStep(int i) {
    if (i % 100 == 0)
        Player::setShootMode(i / 100 % 9);
    if (i % 37 == 0)
        Player::setBulletType(i / 37 % 8 - 1);
    if (i % 500 == 250)
        Player::increaseHitNumber(1);
    float moveNorm = (float)(i / 50 % 3 * 30);
    float shootNorm = i / 60 % 7 == 3 ? 0.0f : 65.0f;
    return actortest::sticks((float)(i * 7 % 360 - 180), moveNorm, (float)(i * 11 % 360 - 180), shootNorm);
}

struct Outcome {
    uint64_t hash;
    std::set<int> kindsSeen;  // weapon kinds that reached the targets
    int friends;
    bool allyAlive;
};

Outcome playScene(unsigned int seed, int steps) {
    // As a new game does: random graphics are rebuilt from the game's numbers.
    VectorModel::deleteVMThatUsesRandomNumbers();
    Arena arena(1600, 1200, seed, 8);
    arena.border(30);
    arena.quad(400, 300, 400, 500, 440, 500, 440, 300, 2 | 8);           // bouncing, turns shots green
    arena.quad(1200, 900, 1200, 700, 1160, 700, 1160, 900, 2 | 4 | 64);  // bouncing, yellow
    arena.quad(700, 900, 900, 900, 900, 940, 700, 940, 2);               // bouncing
    arena.quad(1000, 250, 1100, 250, 1100, 300, 1000, 300, 0);           // plain
    arena.disk(300, 900, 60);
    std::vector<actortest::RecordingTarget*> targets;
    for (int i = 0; i < 6; i++)
        targets.push_back(new actortest::RecordingTarget(Coord(250.0f + i * 220, 650, 0), 20, i % 2 == 0));
    new TestTarget(Coord(800, 300, 0), 40);
    new TestTarget(Coord(1300, 400, 0), 25);
    new Player(Coord(800, 600, 0));
    Player::setAlly(Coord(700, 600, 0));
    Player::setHasRam(true);
    for (int i = 0; i < 3; i++)
        new PlayerFriends(Coord(810.0f + i * 5, 600, 0));
    arena.refill();
    arena.run(steps, scriptStep);
    Outcome out;
    out.hash = actortest::worldHash(
        {Player::getHitNumber(), Player::getShootMode(), PlayerFriends::getCount(), (int)Entity::entityVector.size()});
    for (actortest::RecordingTarget* t : targets)
        out.kindsSeen.insert(t->kinds.begin(), t->kinds.end());
    out.friends = PlayerFriends::getCount();
    out.allyAlive = Player::getAlly() != nullptr;
    return out;
}

}  // namespace

TEST(PlayerSideDeterminism, ScriptedGameRepeatsBitForBit) {
    bool explosionsOn = Explosion::isActivated;
    Explosion::isActivated = true;
    Outcome first = playScene(2026, 3000);
    Outcome second = playScene(2026, 3000);
    Explosion::isActivated = false;
    Outcome hidden = playScene(2026, 3000);
    Explosion::isActivated = explosionsOn;
    // The scene reaches every part it is meant to exercise.
    EXPECT_EQ(first.kindsSeen, (std::set<int>{0, 1, 2, 3}));
    EXPECT_EQ(first.friends, 3);
    EXPECT_TRUE(first.allyAlive);
    EXPECT_EQ(first.hash, second.hash);
    EXPECT_EQ(first.hash, hidden.hash) << "explosions are drawn or not, the world is the same";
    EXPECT_NE(first.hash, playScene(2027, 3000).hash) << "the seed matters";
    EXPECT_EQ(first.hash, 0x0404d9f19770cfb5ull) << std::hex << first.hash;
}
