// The shared generator against the published MT19937 sequence for seed 5489.
#include <gtest/gtest.h>

#include "core/Game.h"

TEST(MersenneTwister, PublishedSequenceAndGameRand) {
    Game::mtRand.seed(5489);
    EXPECT_EQ(Game::mtRand(), 3499211612u);
    EXPECT_EQ(Game::mtRand(), 581869302u);
    EXPECT_EQ(Game::mtRand(), 3890346734u);
    Game::mtRand.seed(5489);
    EXPECT_EQ(Game::rand(), 1351727964);
}

TEST(MersenneTwister, ReseedingRestartsAndRefillsAfter624Draws) {
    Game::mtRand.seed(42);
    uint32_t first[700];
    for (uint32_t& v : first)
        v = Game::mtRand();
    EXPECT_EQ(MersenneTwister::getIndex(), 700 - 624);
    // The 625th draw after a seed is the first of a refilled state.
    Game::mtRand.seed(42);
    for (int i = 0; i < 624; i++)
        Game::mtRand();
    EXPECT_EQ(MersenneTwister::getIndex(), 624);
    EXPECT_EQ(Game::mtRand(), first[624]);
    EXPECT_EQ(MersenneTwister::getIndex(), 1);
    Game::mtRand.seed(42);
    for (uint32_t v : first)
        EXPECT_EQ(Game::mtRand(), v);
}

// The C++ standard pins the 10000th output of MT19937 with the default seed.
TEST(MersenneTwister, TenThousandthOutputAfterDefaultSeed) {
    Game::mtRand.seed(5489);
    uint32_t v = 0;
    for (int i = 0; i < 10000; i++)
        v = Game::mtRand();
    EXPECT_EQ(v, 4123659995u);
}
