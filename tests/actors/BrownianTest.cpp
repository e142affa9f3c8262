// The Brownian enemy: its runs, the colour rule and the knocks, appearing,
// the speed divisor and a type outside the table.
#include <gtest/gtest.h>

#include "BossRockAndDrifterTestSupport.h"
#include "actors/Brownian.h"

using actortest::Arena;
using actortest::DrawCounter;
using bossrocktest::at;
using enemytest::SoundRecorder;
using enemytest::Weapon;

namespace {

Weapon bullet(int colourType, Coord v) {
    Weapon w(1, colourType);
    w.setV(v);
    return w;
}

}  // namespace

TEST(Brownian, AWrongColourKnocksItAndDelaysTheRun) {
    Arena arena;
    SoundRecorder sounds;
    Brownian* b = new Brownian(at(500, 500), 1);
    arena.run(41);
    ASSERT_FALSE(b->appearing);
    int next = b->nextChange;
    Weapon red = bullet(0, Coord(10, -5, 0));
    EXPECT_TRUE(b->reactToWeapon(&red));
    EXPECT_FALSE(b->toBeDeleted);
    EXPECT_FLOAT_EQ(b->velocity.x, 2.0f);
    EXPECT_FLOAT_EQ(b->velocity.y, -1.0f);
    EXPECT_EQ(b->nextChange, next + 30);
    EXPECT_TRUE(b->reactToWeapon(&red));
    EXPECT_EQ(b->nextChange, next + 60);
    EXPECT_EQ(sounds.count("/data/sounds/cling.caf"), 2);
    Weapon green = bullet(1, Coord(10, 0, 0));
    EXPECT_TRUE(b->reactToWeapon(&green));
    EXPECT_TRUE(b->toBeDeleted);
    EXPECT_EQ(sounds.count("/data/sounds/cling_long.caf"), 1);
}

TEST(Brownian, TheRightColourWhileAppearingOnlyKnocks) {
    Arena arena;
    Brownian* b = new Brownian(at(500, 500), 2);
    Weapon blue = bullet(2, Coord(5, 0, 0));
    EXPECT_TRUE(b->reactToWeapon(&blue));
    EXPECT_FALSE(b->toBeDeleted);
    arena.step();
    EXPECT_FLOAT_EQ(b->position.x, 502.0f) << "twice the knocked velocity while appearing";
    // Other kinds destroy it even while appearing; a null weapon does nothing.
    EXPECT_FALSE(b->reactToWeapon(nullptr));
    Weapon ram(2);
    EXPECT_TRUE(b->reactToWeapon(&ram));
    EXPECT_TRUE(b->toBeDeleted);
}

TEST(Brownian, FirstRunAfterAppearingAndFourDrawsPerRun) {
    Arena arena(2000, 2000);
    Brownian* b = new Brownian(at(1000, 1000), 3);
    arena.run(40);
    EXPECT_TRUE(b->appearing == false);
    DrawCounter draws;
    arena.step();
    EXPECT_EQ(draws.count(), 4u);
    EXPECT_LE(std::fabs(b->velocity.x), 50.0f / 30.0f + 1e-5f);
    EXPECT_LE(std::fabs(b->velocity.y), 50.0f / 30.0f + 1e-5f);
    EXPECT_GE(b->nextChange, Entity::time + 60);
    EXPECT_LT(b->nextChange, Entity::time + 100);
}

TEST(Brownian, DivisorIs30AfterResetAndZeroIsIgnored) {
    SavedValue<float> divisor(Brownian::speedDivisor, 15.0f);
    {
        Arena arena;
        EXPECT_EQ(Brownian::speedDivisor, 30.0f) << "the arena's reset";
        Brownian::setSpeedDivisor(0.0f);
        EXPECT_EQ(Brownian::speedDivisor, 30.0f);
        Brownian::setSpeedDivisor(5.0f);
        EXPECT_EQ(Brownian::speedDivisor, 5.0f);
    }
    EXPECT_EQ(Brownian::speedDivisor, 30.0f);
}

TEST(Brownian, TypesAndTheirColourTypes) {
    Arena arena;
    const int colourTypes[] = {0, 1, 2, 3, 0};
    for (int t = 0; t < 5; t++)
        EXPECT_EQ((new Brownian(at(500, 500), t))->colorType, colourTypes[t]);
    Brownian* odd = new Brownian(at(500, 500), 9);
    EXPECT_EQ(odd->colorType, -1);
    EXPECT_EQ(odd->color.r, 1.0f);
    EXPECT_EQ(odd->color.b, 1.0f);
    EXPECT_EQ(Brownian::count, 6);
    EXPECT_EQ(Brownian::addValueToCounter(2), 8);
}

TEST(Brownian, ContactHurtsOnlyTheLeaningKindsAndNotWhileAppearing) {
    for (int type = 0; type < 5; type++) {
        Arena arena;
        Player* p = new Player(at(100, 100));
        Brownian* b = new Brownian(at(500, 500), type);
        b->reactToCollisionWithPlayerCallback(p);
        EXPECT_FALSE(b->toBeDeleted);
        arena.run(40);
        b->reactToCollisionWithPlayerCallback(p);
        EXPECT_TRUE(b->toBeDeleted);
        EXPECT_EQ(Player::getHitNumber(), type < 3 ? 1 : 0);
    }
}
