// The one difficulty accessor: the preference, or the value a game pinned.
#include <gtest/gtest.h>

#include "levelplay/StatePlay.h"
#include "savedata/Preferences.h"
#include "support/TempGameDir.h"

namespace {
class Difficulty : public ::testing::Test {
protected:
    void SetUp() override {
        Preferences::reloadForTests();
        saved = Preferences::getInstance()->getDifficultySettings();
    }
    void TearDown() override {
        StatePlay::unpinDifficulty();
        Preferences::getInstance()->setDifficultySettings(saved);
    }
    TempGameDir dir;
    int saved = 0;
};
}  // namespace

TEST_F(Difficulty, PinnedValueWinsUntilUnpinned) {
    Preferences::getInstance()->setDifficultySettings(2);
    EXPECT_EQ(StatePlay::getDifficulty(), 2);
    StatePlay::pinDifficulty(0);
    EXPECT_EQ(StatePlay::getDifficulty(), 0);
    Preferences::getInstance()->setDifficultySettings(1);
    EXPECT_EQ(StatePlay::getDifficulty(), 0);
    StatePlay::unpinDifficulty();
    EXPECT_EQ(StatePlay::getDifficulty(), 1);
}
