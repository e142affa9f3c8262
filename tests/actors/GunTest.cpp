// The player's guns: fire rates and patterns by shoot mode, state kept across
// mode changes, sounds fixed at the player's making, defence bursts.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "actors/Bullet.h"
#include "actors/FusionBullet2.h"
#include "actors/Player.h"
#include "actors/PlayerGunSinusoidal2.h"
#include "savedata/Preferences.h"
#include "support/ActorTestKit.h"

using actortest::Arena;

namespace {

template <class T>
std::vector<T*> all() {
    return actortest::entitiesOf<T>();
}

// Shots of each step while the shoot stick points toward larger x.
std::vector<int> shotsPerStep(Arena& arena, int steps, float norm = 65) {
    std::vector<int> out;
    arena.hold(0, 0, 90, norm);
    for (int i = 0; i < steps; i++) {
        size_t before = all<Bullet>().size() + all<FusionBullet2>().size();
        arena.step();
        out.push_back((int)(all<Bullet>().size() + all<FusionBullet2>().size() - before));
    }
    return out;
}

std::vector<int> stepsWithShots(const std::vector<int>& shots) {
    std::vector<int> out;
    for (size_t i = 0; i < shots.size(); i++)
        if (shots[i])
            out.push_back((int)i + 1);
    return out;
}

// The sound settings guns read when they are made, put back afterwards.
class GunTest : public testing::Test {
protected:
    void SetUp() override { muted = Preferences::getInstance()->get_muteShootingSounds(); }
    void TearDown() override { Preferences::getInstance()->set_muteShootingSounds(muted); }
    bool muted = false;
};

}  // namespace

TEST_F(GunTest, ModeZeroFiresEveryEighthStepFromStepFive) {
    Arena arena;
    new Player(Coord(500, 500, 0));
    std::vector<int> shots = shotsPerStep(arena, 24);
    EXPECT_EQ(stepsWithShots(shots), (std::vector<int>{5, 13, 21}));
    std::vector<Bullet*> b = all<Bullet>();
    ASSERT_FALSE(b.empty());
    EXPECT_NEAR(b[0]->getAngle(), 3 * M_PI / 180, 1e-6) << "aim + 3 degrees";
}

TEST_F(GunTest, VolleyPatternsByMode) {
    struct Case {
        int mode;
        std::vector<int> shots;  // per step, stick held from step 1
    };
    const Case cases[] = {
        {1, {1, 0, 0, 0, 2, 0, 0, 0, 1}},
        {2, {3, 0, 0, 0, 2, 0, 0, 0, 3}},
        {4, {2, 0, 2, 0, 2, 0, 2}},
        {5, {0, 0, 0, 0, 0}},
        {6, {1, 1, 1, 1}},
        {7, {4, 0, 0, 0, 4}},
        {8, {0, 0, 1, 0, 0, 2, 0, 0, 1, 0, 0, 2}},
    };
    for (const Case& c : cases) {
        Arena arena;
        new Player(Coord(500, 500, 0));
        Player::setShootMode(c.mode);
        EXPECT_EQ(shotsPerStep(arena, (int)c.shots.size()), c.shots) << "mode " << c.mode;
    }
}

TEST_F(GunTest, CircleOfThreeHundredSixtyTurnedFiveDegreesEverySecondVolley) {
    Arena arena;
    new Player(Coord(500, 500, 0));
    Player::setShootMode(3);
    std::vector<int> shots = shotsPerStep(arena, 5);
    EXPECT_EQ(shots, (std::vector<int>{360, 0, 0, 0, 360}));
    std::vector<Bullet*> b = all<Bullet>();
    // Entities are appended in the order they are made.
    const double degree = M_PI / 180;
    EXPECT_NEAR(b[0]->getAngle(), 1 * degree, 1e-5);
    EXPECT_NEAR(b[359]->getAngle(), 360 * degree, 1e-4);
    EXPECT_NEAR(b[360]->getAngle(), 6 * degree, 1e-5);
    EXPECT_NEAR(b[719]->getAngle(), 365 * degree, 1e-4);
}

TEST_F(GunTest, SinusoidalTwoCountsOneTwoZeroStickOrNot) {
    Arena arena;
    Player* p = new Player(Coord(500, 500, 0));
    Player::setShootMode(6);
    PlayerGunSinusoidal2* gun = dynamic_cast<PlayerGunSinusoidal2*>(p->guns[6]);
    ASSERT_NE(gun, nullptr);
    std::vector<int> counters;
    arena.hold(0, 0, 90, 0);
    for (int i = 0; i < 6; i++) {
        arena.step();
        counters.push_back(gun->counter);
    }
    EXPECT_EQ(counters, (std::vector<int>{1, 2, 0, 1, 2, 0}));
    EXPECT_EQ(gun->phase, 0.0f) << "the wave advances only while firing";
}

TEST_F(GunTest, FusionPairAcrossTheLineOfFire) {
    Arena arena;
    new Player(Coord(500, 500, 0));
    Player::setShootMode(8);
    shotsPerStep(arena, 6);
    std::vector<FusionBullet2*> f = all<FusionBullet2>();
    ASSERT_EQ(f.size(), 3u);
    // Step 3: the centre shot straight along x; step 6: a pair, one on
    // each side of the line of fire, turned 10 degrees outward.
    EXPECT_NEAR(f[0]->position.y, 500, 1e-3);
    EXPECT_NEAR(f[0]->velocity.x, 20, 1e-3);
    float across = (float)(20 + 10 * std::cos(0.6));
    EXPECT_NEAR(f[1]->position.y, 500 + across, 1e-3);
    EXPECT_NEAR(f[2]->position.y, 500 - across, 1e-3);
    EXPECT_NEAR(std::atan2(f[1]->velocity.y, f[1]->velocity.x), 10 * M_PI / 180, 1e-5);
    EXPECT_NEAR(std::atan2(f[2]->velocity.y, f[2]->velocity.x), -10 * M_PI / 180, 1e-5);
}

TEST_F(GunTest, GunStateSurvivesModeChanges) {
    Arena arena;
    new Player(Coord(500, 500, 0));
    // Mode 0's first trigger fires nothing and arms the toggle.
    EXPECT_EQ(shotsPerStep(arena, 1), (std::vector<int>{0}));
    Player::setShootMode(1);
    EXPECT_EQ(shotsPerStep(arena, 5), (std::vector<int>{1, 0, 0, 0, 2})) << "its own clock";
    Player::setShootMode(0);
    EXPECT_EQ(shotsPerStep(arena, 1), (std::vector<int>{1})) << "toggle kept: fires at once";
}

TEST_F(GunTest, SoundsFixedWhenThePlayerIsMade) {
    for (bool muted : {false, true}) {
        Arena arena;
        Device::canPlaySoundEffects = true;
        Preferences::getInstance()->set_muteShootingSounds(muted);
        new Player(Coord(500, 500, 0));
        // Changing the setting during the game changes nothing.
        Preferences::getInstance()->set_muteShootingSounds(!muted);
        actortest::SoundCounter sounds;
        ASSERT_TRUE(sounds.works());
        int played = 0;
        for (int mode : {0, 1, 2, 3, 4, 6}) {
            Player::setShootMode(mode);
            shotsPerStep(arena, 8);
            played += sounds.count();
            sounds.restart();
        }
        if (muted)
            EXPECT_EQ(played, 0);
        else
            EXPECT_EQ(played, 1 + 1 + 1 + 2 + 4 + 2);
    }
}

TEST_F(GunTest, DefenceBurstWithNoShotsStillSounds) {
    Arena arena(1024, 1024, 1, 0);
    Device::canPlaySoundEffects = true;
    Preferences::getInstance()->set_muteShootingSounds(false);
    new Player(Coord(500, 500, 0));
    actortest::SoundCounter sounds;
    Player::increaseHitNumber(1);
    EXPECT_TRUE(all<Bullet>().empty());
    EXPECT_EQ(sounds.count(), 2) << "the burst's and the hit's";
}

TEST_F(GunTest, DefenceBurstSpreadsEvenlyFromAngleZero) {
    Arena arena(1024, 1024, 1, 2);  // 10 shots
    new Player(Coord(500, 500, 0));
    Player::setBulletType(3);
    Player::increaseHitNumber(1);
    std::vector<Bullet*> b = all<Bullet>();
    ASSERT_EQ(b.size(), 10u);
    for (int i = 0; i < 10; i++) {
        EXPECT_NEAR(b[i]->getAngle(), i * 2 * M_PI / 10, 1e-5);
        EXPECT_EQ(b[i]->getType(), 3);
        EXPECT_EQ(b[i]->speed, 18.0f);
    }
}
