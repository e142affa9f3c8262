// Walks across several screens, with what each carries to the next, and the
// rules every walk keeps: one switch per visit, nothing acts during a switch
// (a press on a screen still turning in is dropped whole), a game that ends
// while it turns in still leads on.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include "levelplay/Replay.h"
#include "screens/StateChooseCampaign.h"
#include "screens/StateChooseCampaignNumber.h"
#include "screens/StateChooseGameType.h"
#include "screens/StateChooseLevel.h"
#include "screens/StateChooseShipModel.h"
#include "screens/StateConfigureJoysticks.h"
#include "screens/StateConfirmScore.h"
#include "screens/StateFirstMenu.h"
#include "screens/StateReplayDoesNotExist.h"
#include "screens/StateRestartGame.h"
#include "screens/StateSettings.h"
#include "screens/StateShowInfo.h"
#include "screens/StateSuggestTuto.h"
#include "support/FlowDriver.h"
#include "widgets/InGameMenu.h"
#include "widgets/MainMenu.h"
#include "widgets/MultipleValuesButton.h"
#include "widgets/SettingsMenu.h"

using Walk = FlowTest;

TEST_F(Walk, ALostCampaignLevelPlayedAgainThenQuit) {
    Preferences::getInstance()->setLastChosenCampaignNumber(0);
    std::string path = LevelList::getInstance()->getCampaign(0)->get(0)->path;
    driver.show(new StatePlay(path, true, false));
    driver.run(3);
    finishGame(0);
    StateRestartGame* again = driver.arrived<StateRestartGame>(2);
    ASSERT_NE(again, nullptr);
    driver.tap(again->getYesButton());
    StatePlay* play = driver.arrived<StatePlay>(1);
    ASSERT_NE(play, nullptr);
    driver.key("P");
    driver.run(40);
    ASSERT_TRUE(play->isMenuOpen());
    driver.tap(play->getMenu()->getQuitButton());
    driver.run(10);
    ASSERT_TRUE(play->getMenu()->isConfirming());
    driver.tap(play->getMenu()->getYesButton());
    StateChooseCampaign* levels = driver.arrived<StateChooseCampaign>(2);
    ASSERT_NE(levels, nullptr);
    EXPECT_EQ(levels->getCampaign(), LevelList::getInstance()->getCampaign(0));
}

TEST_F(Walk, SettingsToTheSticksAndBack) {
    StateFirstMenu* title = new StateFirstMenu();
    driver.show(title);
    driver.tap(title->getMenu()->getSettingsButton());
    StateSettings* settings = driver.arrived<StateSettings>(4);
    ASSERT_NE(settings, nullptr);
    driver.run(90);
    // The stick row is the first: in reach once the list has come to rest.
    driver.tap(settings->getMenu()->getRowButton(0)->getButton());
    StateConfigureJoysticks* sticks = driver.arrived<StateConfigureJoysticks>(4);
    ASSERT_NE(sticks, nullptr);
    EXPECT_FALSE(dir.documentExists("prefs.txt"));
    driver.tap(sticks->getOkButton());
    settings = driver.arrived<StateSettings>(3);
    ASSERT_NE(settings, nullptr);
    EXPECT_TRUE(dir.documentExists("prefs.txt"));
    driver.key("Escape");
    driver.arrived<StateFirstMenu>(3);
}

TEST_F(Walk, NothingActsDuringASwitch) {
    StateFirstMenu* title = new StateFirstMenu();
    driver.show(title);
    MainMenu* menu = title->getMenu();
    Coord settings = FlowDriver::middleOf(menu->getSettingsButton());
    driver.tap(menu->getPlayButton());
    ASSERT_TRUE(Game::getInstance()->isInTransition());
    int switches = driver.switchCount();
    // Taps on the old screen and the back key while the screens turn.
    while (Game::getInstance()->isInTransition()) {
        driver.tap(settings);
        driver.key("Escape");
    }
    driver.settle();
    EXPECT_EQ(driver.switchCount(), switches);
    EXPECT_NE(driver.currentAs<StateSuggestTuto>(), nullptr);
}

TEST_F(Walk, AGameThatEndsWhileItTurnsInStillLeadsOn) {
    std::string path = LevelList::getInstance()->getCampaign(0)->get(0)->path;
    StateRestartGame* again = new StateRestartGame(path, true);
    driver.show(again);
    driver.tap(again->getYesButton());
    ASSERT_TRUE(Game::getInstance()->isInTransition());
    ASSERT_NE(driver.currentAs<StatePlay>(), nullptr);
    Game::setScore(10);
    StatePlay::gameIsFinished = true;
    driver.frame();
    StatePlay::gameIsFinished = false;
    ASSERT_TRUE(driver.settle());
    // The game kept its answer through the turn and gives it on its first
    // update as the screen shown.
    EXPECT_NE(driver.currentAs<StatePlay>(), nullptr);
    driver.frame();
    driver.arrived<StateChooseCampaign>(2);
}

// The title turns in while the tutorial turns away: a press on Tutorial then
// would make a second game beside the one still running.
TEST_F(Walk, NoSecondGameWhileTheFirstTurnsAway) {
    driver.show(new StatePlay("/data/levels/campaign0/tutorial/tutorial.lua", false, true));
    driver.run(3);
    Game::setScore(1);
    StatePlay::gameIsFinished = true;
    driver.frame();
    StatePlay::gameIsFinished = false;
    ASSERT_TRUE(Game::getInstance()->isInTransition());
    StateFirstMenu* title = driver.currentAs<StateFirstMenu>();
    ASSERT_NE(title, nullptr);
    int switches = driver.switchCount();
    driver.tap(title->getMenu()->getTutorialButton());
    ASSERT_TRUE(Game::getInstance()->isInTransition());
    driver.settle();
    driver.run(5);
    EXPECT_EQ(driver.current(), title);
    EXPECT_EQ(driver.switchCount(), switches);
}

// Play on the title, Skip on the suggestion, then a touch where the game-type
// screen's Campaign button lies while that screen is still turning in (the
// suggestion still fills the view): the touch is dropped, and the same
// button pressed once the turn has ended leads on. Window pixels and frames
// as an input script gives them from the start.
TEST_F(Walk, ATouchOnAScreenTurningInIsDropped) {
    driver.show(new StateFirstMenu());
    long start = platformInputFrame();
    const char* script[] = {"30 touch 1 512 365", "31 release 1",        "100 touch 1 512 498",
                            "101 release 1",      "106 touch 1 757 360", "107 release 1"};
    for (const char* line : script) {
        long frame = atol(line);
        FlowDriver::queue(std::to_string(start + frame) + strchr(line, ' '));
    }
    int switches = driver.switchCount();
    driver.run(110);
    ASSERT_TRUE(driver.settle());
    StateChooseGameType* type = driver.currentAs<StateChooseGameType>();
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(driver.switchCount(), switches + 2);
    driver.run(10);
    EXPECT_EQ(driver.current(), type);
    driver.tap(type->getCampaignButton());
    driver.arrived<StateChooseCampaignNumber>(1);
}

// A screen whose press has an effect beside the switch (a score kept, a game
// handed over, a leaving flag) does nothing on a press while it turns in, and
// leads on when pressed again after the turn.
TEST_F(Walk, APressDroppedDuringATurnLeavesTheScreenUsable) {
    const std::string level = LevelList::getInstance()->getLevelInformation(0)->path;
    struct Case {
        const char* name;
        std::function<State*()> make;
        std::function<Button*(State*)> button;
        std::function<bool()> arrived;
    } cases[] = {
        {"ship model: back", [] { return new StateChooseShipModel(); },
         [](State* s) { return static_cast<StateChooseShipModel*>(s)->getBackButton()->getButton(); },
         [this] { return driver.currentAs<StateChooseGameType>() != nullptr; }},
        {"score entry: Ok", [&level] { return new StateConfirmScore(level, 321, 1, 1700000000); },
         [](State* s) { return static_cast<StateConfirmScore*>(s)->getOkButton(); },
         [this] { return driver.currentAs<StateRestartGame>() != nullptr; }},
        {"replay gone: Ok", [] { return new StateReplayDoesNotExist(); },
         [](State* s) { return static_cast<StateReplayDoesNotExist*>(s)->getOkButton(); },
         [this] { return driver.currentAs<StateChooseLevel>() != nullptr; }},
        {"information: Ok", [&level] { return new StateShowInfo(new StatePlay(level, false, false), 0); },
         [](State* s) { return static_cast<StateShowInfo*>(s)->getOkButton(); },
         [this] { return driver.currentAs<StatePlay>() != nullptr; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reloadProfile();
        ScriptedScreen* from = new ScriptedScreen();
        driver.show(from);
        State* screen = c.make();
        from->requestAt(from->updates + 1, screen, 1);
        driver.frame();
        ASSERT_TRUE(Game::getInstance()->isInTransition());
        int switches = driver.switchCount();
        size_t kept = Scores::getInstance()->getLocalScoresForLevel(level)->scores.size();
        driver.tap(c.button(screen));
        ASSERT_TRUE(driver.settle());
        EXPECT_EQ(driver.current(), screen);
        EXPECT_EQ(driver.switchCount(), switches);
        EXPECT_EQ(Scores::getInstance()->getLocalScoresForLevel(level)->scores.size(), kept);
        driver.tap(c.button(screen));
        ASSERT_TRUE(driver.settle());
        EXPECT_TRUE(c.arrived());
        EXPECT_EQ(driver.switchCount(), switches + 1);
    }
}
