// The infinity levels, the tutorial and the unused levels run in the script
// module's world as the play screen runs them (init, the grids, then the
// world and the script's update each step), without input: none raises a
// script error, and every infinity level ends on its own within 36,000 steps.
#include "ModuleWorld.h"
#include "core/SpacePartition.h"
#include "levelplay/StatePlay.h"

namespace {

struct LevelCase {
    const char* path;
    bool infinity;
};

const LevelCase kLevels[] = {
    {"/data/levels/infinity/megagore/megagore", true},
    {"/data/levels/infinity/dodge this/dodge this", true},
    {"/data/levels/infinity/assault/assault", true},
    {"/data/levels/infinity/asteroids/asteroids", true},
    {"/data/levels/infinity/chromatic conflict/chromatic conflict", true},
    {"/data/levels/infinity/highway/highway", true},
    {"/data/levels/infinity/amalgam/amalgam", true},
    {"/data/levels/infinity/symbiosis/symbiosis", true},
    {"/data/levels/campaign0/tutorial/tutorial", false},
    {"/data/levels/campaign2/UNUSED/1and1/1and1", false},
    {"/data/levels/campaign2/UNUSED/bomb/bomb", false},
    {"/data/levels/campaign2/UNUSED/boss1 re/boss1 re", false},
    {"/data/levels/campaign2/UNUSED/space oddity/space oddity", false},
    {"/data/levels/campaign2/UNUSED/symmetry/symmetry", false},
    {"/data/levels/campaign2/UNUSED/training/training", false},
};

const int kIdleLimit = 36000;
const int kUnusedSteps = 1200;

class InfinityAndUnusedLevels : public ModuleWorld, public ::testing::WithParamInterface<LevelCase> {};

TEST_P(InfinityAndUnusedLevels, RunWithoutInputAndInfinityLevelsEnd) {
    const LevelCase& level = GetParam();
    SpacePartition::boundariesAreInit = false;
    StatePlay::gameIsFinished = false;
    ASSERT_EQ(run(std::string("require \"") + level.path + "\""), "");
    ASSERT_EQ(run("init()"), "");
    ASSERT_TRUE(SpacePartition::boundariesAreInit) << level.path;
    partition->initWithTheLoadedMap();
    Game::setScore(0);
    int steps = level.infinity ? kIdleLimit : kUnusedSteps;
    int step = 0;
    while (step < steps && !StatePlay::gameIsFinished) {
        step++;
        Entity::updateAll();
        ASSERT_EQ(run("update()"), "") << level.path << " at step " << step;
    }
    if (level.infinity) {
        EXPECT_TRUE(StatePlay::gameIsFinished) << level.path << " still running after " << kIdleLimit << " steps";
        EXPECT_GE(Game::getScore(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, InfinityAndUnusedLevels, ::testing::ValuesIn(kLevels));

}  // namespace
