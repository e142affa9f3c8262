// Friend ships: joining the ring, places on it, following, shooting, leaving
// it, and the class-wide state a new game starts from.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "actors/Bullet.h"
#include "actors/Player.h"
#include "actors/PlayerFriends.h"
#include "support/ActorTestKit.h"

using actortest::Arena;

namespace {

float angleOf(const Coord& c) {
    float a = (float)(std::atan2(c.y, c.x) * 180 / M_PI);
    return a < -0.5f ? a + 360.0f : a;
}

int bullets() { return actortest::countOf<Bullet>(); }

}  // namespace

TEST(Friends, JoinWithinFortyUnitsCheckedEverySevenSteps) {
    for (float distance : {39.0f, 40.0f}) {
        Arena arena;
        new Player(Coord(500, 500, 0));
        PlayerFriends* f = new PlayerFriends(Coord(500 + distance, 500, 0));
        arena.step();
        EXPECT_FALSE(f->joined) << "the first check comes on the second step";
        arena.step();
        EXPECT_EQ(f->joined, distance < 40.0f) << distance;
    }
    Arena arena;
    new Player(Coord(500, 500, 0));
    PlayerFriends* f = new PlayerFriends(Coord(700, 500, 0));
    arena.run(2);  // checked at step 2: too far
    Player::setCoord(Coord(700, 500, 0));
    arena.run(6);
    EXPECT_FALSE(f->joined) << "steps 3 to 8 are not checked";
    arena.step();
    EXPECT_TRUE(f->joined) << "step 9";
    EXPECT_EQ(PlayerFriends::getCount(), 1);
}

TEST(Friends, RingOfThreeAtOneHundredTwentyThenSixty) {
    Arena arena;
    new Player(Coord(500, 500, 0));
    std::vector<PlayerFriends*> f;
    for (int i = 0; i < 3; i++)
        f.push_back(new PlayerFriends(Coord(510 + i, 500, 0)));
    arena.run(2);
    ASSERT_EQ(PlayerFriends::getCount(), 3);
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(PlayerFriends::indexes[i], f[i]) << "in join order";
        EXPECT_NEAR(angleOf(f[i]->offset), 120.0f * i, 1e-3);
        EXPECT_NEAR(f[i]->offset.length(), 120.0f, 1e-3);
    }
    PlayerFriends::setRadiusFromPlayer(128 / 256.0f);
    PlayerFriends::setRotation(90);
    for (int i = 0; i < 3; i++) {
        EXPECT_NEAR(f[i]->offset.length(), 60.0f, 1e-3);
        EXPECT_NEAR(angleOf(f[i]->offset), 90.0f + 120.0f * i, 1e-3);
    }
}

TEST(Friends, FollowAtMostSixUnitsAStep) {
    Arena arena;
    new Player(Coord(500, 500, 0));
    PlayerFriends* f = new PlayerFriends(Coord(510, 500, 0));
    arena.run(2);
    ASSERT_TRUE(f->joined);
    arena.run(60);
    EXPECT_NEAR(f->position.x, 620.0f, 0.01f) << "settled on its place";
    Player::setCoord(Coord(100, 500, 0));
    Coord before = f->position;
    arena.step();
    EXPECT_NEAR(before.x - f->position.x, 6.0f, 1e-4);
    EXPECT_NEAR(f->heading, 180.0f, 1e-3);
}

TEST(Friends, FramesCountUpFromOneAndAreDrawnWithinTheGraphic) {
    Arena arena;
    std::vector<int> frames;
    for (int i = 0; i < 3; i++)
        frames.push_back((new PlayerFriends(Coord(100, 100, 0)))->frame);
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3}));
    Entity::reset();
    EXPECT_EQ(PlayerFriends::nextFrame, -1);
    EXPECT_EQ((new PlayerFriends(Coord(100, 100, 0)))->frame, 1) << "a new game starts again";
    const int shown[][2] = {{1, 1}, {8, 8}, {9, 1}, {10, 2}, {16, 8}, {17, 1}, {1000, 8}, {-4, 0}};
    for (const auto& s : shown)
        EXPECT_EQ(PlayerFriends::shownFrame(s[0]), s[1]) << s[0];
}

TEST(Friends, ShootRedEveryEighthStepWhileAllowed) {
    Arena arena;
    new Player(Coord(500, 500, 0));
    Player::setCanShoot(false);
    PlayerFriends* f = new PlayerFriends(Coord(510, 500, 0));
    arena.run(2);
    ASSERT_TRUE(f->joined);
    arena.hold(0, 0, 90, 65);
    std::vector<int> shotSteps;
    for (int i = 0; i < 20; i++) {
        int before = bullets();
        arena.step();
        if (bullets() > before)
            shotSteps.push_back(Entity::time);
    }
    EXPECT_EQ(shotSteps, (std::vector<int>{7, 15}));
    for (Entity* e : Entity::entityVector) {
        if (Bullet* b = dynamic_cast<Bullet*>(e)) {
            EXPECT_EQ(b->getType(), 0);
        }
    }
    PlayerFriends::setCanShoot(false);
    int before = bullets();
    arena.run(20);
    EXPECT_EQ(bullets(), before);
    Entity::reset();
    EXPECT_TRUE(PlayerFriends::canShoot);
}

TEST(Friends, DestroyAllTakesTheRingOnly) {
    Arena arena;
    new Player(Coord(500, 500, 0));
    PlayerFriends* a = new PlayerFriends(Coord(510, 500, 0));
    PlayerFriends* b = new PlayerFriends(Coord(520, 500, 0));
    PlayerFriends* waiting = new PlayerFriends(Coord(900, 900, 0));
    arena.run(2);
    PlayerFriends::destroyAll();
    EXPECT_EQ(PlayerFriends::getCount(), 0);
    EXPECT_TRUE(a->toBeDeleted);
    EXPECT_TRUE(b->toBeDeleted);
    EXPECT_FALSE(waiting->toBeDeleted);
    arena.step();
    EXPECT_EQ(Entity::entityVector.size(), 2u);
}

TEST(Friends, ADestroyedFriendLeavesTheRingAndTheNextJoinerTakesAFreePlace) {
    Arena arena;
    new Player(Coord(500, 500, 0));
    std::vector<PlayerFriends*> f;
    for (int i = 0; i < 3; i++)
        f.push_back(new PlayerFriends(Coord(510, 500, 0)));
    arena.run(2);
    f[1]->toBeDeleted = true;
    arena.step();
    ASSERT_EQ(PlayerFriends::getCount(), 2);
    EXPECT_EQ(PlayerFriends::indexes[0], f[0]);
    EXPECT_EQ(PlayerFriends::indexes[1], f[2]);
    EXPECT_EQ(f[2]->ringIndex, 1);
    EXPECT_NEAR(angleOf(f[2]->offset), 240.0f, 1e-3) << "nobody jumps";
    PlayerFriends* late = new PlayerFriends(Coord(505, 505, 0));
    arena.run(2);
    ASSERT_TRUE(late->joined);
    EXPECT_EQ(late->ringIndex, 2);
    EXPECT_NEAR(angleOf(f[0]->offset), 0.0f, 1e-3);
    EXPECT_NEAR(angleOf(f[2]->offset), 120.0f, 1e-3);
    EXPECT_NEAR(angleOf(late->offset), 240.0f, 1e-3);
}

TEST(Friends, NothingWithoutAPlayerAndResetEmptiesTheRing) {
    Arena arena;
    PlayerFriends* alone = new PlayerFriends(Coord(100, 100, 0));
    arena.run(10);
    EXPECT_FALSE(alone->joined);
    Player* p = new Player(Coord(105, 100, 0));
    arena.run(2);
    ASSERT_TRUE(alone->joined);
    p->toBeDeleted = true;
    arena.step();
    Coord at = alone->position;
    arena.run(3);
    EXPECT_EQ(alone->position.x, at.x);
    PlayerFriends::setCanShoot(false);
    Entity::reset();
    EXPECT_EQ(PlayerFriends::getCount(), 0);
    EXPECT_EQ(PlayerFriends::nextFrame, -1);
    EXPECT_TRUE(PlayerFriends::canShoot);
}
