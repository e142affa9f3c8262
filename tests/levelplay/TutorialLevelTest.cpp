// The tutorial level as a player meets it: a scripted run (the level's test
// hook does each lesson, the "Ok" presses come through the keys) reaches the
// end and returns to the first menu; without input it waits and never ends.
#include "core/StateTransition.h"
#include "screens/StateFirstMenu.h"
#include "script/LuaRuntime.h"
#include "support/PlayTestSupport.h"

namespace {

using playtest::tutorialPath;

class TutorialLevelTest : public playtest::PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        // The fixture puts a counting level under the tutorial's path.
        LuaScriptList::getInstance()->removeScriptForTests(tutorialPath);
    }

    // One frame without touches and with these keys just pressed; false once
    // the screen asks for another one (kept in run.next).
    static bool frame(LevelRun& run, int keys) {
        for (int i = 0; i < 2; i++) {
            State::touchX[i] = State::touchY[i] = -1;
            State::joystickNorm[i] = -1.0f;
        }
        State::keyIsPressedBitArray = State::keyJustGotPressedBitArray = keys;
        StateTransition* t = run.play->updateState();
        State::keyIsPressedBitArray = State::keyJustGotPressedBitArray = 0;
        if (!t)
            return true;
        run.next = t->next;
        run.nextType = t->type;
        delete t;
        return false;
    }
};

const int OK_KEY = 0x20;

TEST_F(TutorialLevelTest, AScriptedRunReachesTheEndAndReturnsToTheFirstMenu) {
    LevelRun run(new StatePlay(tutorialPath, false, true));
    lua_State* L = run.play->getLuaState();
    int presses = 0;
    bool going = true;
    for (int f = 1; f <= 6000 && going; f++) {
        int keys = 0;
        if (StatePlay::drawOkButton && f % 30 == 0) {
            keys = OK_KEY;
            presses++;
        }
        if (f % 5 == 0) {
            ASSERT_EQ(luaL_dostring(L, "levelTest.win()"), 0) << lua_tostring(L, -1);
        }
        going = frame(run, keys);
    }
    EXPECT_FALSE(going) << "the tutorial did not end";
    EXPECT_NE(dynamic_cast<StateFirstMenu*>(run.next), nullptr);
    // One press for each of the five texts.
    EXPECT_EQ(presses, 5);
    EXPECT_GT(Game::getScore(), 0);
}

TEST_F(TutorialLevelTest, WithoutInputItWaitsAtTheFirstTextAndNeverEnds) {
    LevelRun run(new StatePlay(tutorialPath, false, true));
    for (int f = 0; f < 36000; f++)
        ASSERT_TRUE(frame(run, 0)) << "ended at frame " << f;
    EXPECT_EQ(Entity::time, 36000);
    EXPECT_TRUE(StatePlay::drawOkButton);
    EXPECT_FALSE(StatePlay::gameIsFinished);
    EXPECT_EQ(Game::getScore(), 0);
}

TEST_F(TutorialLevelTest, OkPressesAloneNeverEndIt) {
    // Pressing through every text without doing the lessons stops at the
    // first lesson: the spot must still be reached.
    LevelRun run(new StatePlay(tutorialPath, false, true));
    for (int f = 1; f <= 3000; f++)
        ASSERT_TRUE(frame(run, f % 20 == 0 ? OK_KEY : 0)) << "ended at frame " << f;
    EXPECT_FALSE(StatePlay::drawOkButton);
    EXPECT_FALSE(StatePlay::gameIsFinished);
}

}  // namespace
