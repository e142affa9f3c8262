// Walks across several screens, with what each carries to the next, and the
// rules every walk keeps: one switch per visit, nothing acts during a switch,
// a game that ends while it turns in still leads on.
#include <gtest/gtest.h>

#include <string>

#include "levelplay/Replay.h"
#include "screens/StateChooseCampaign.h"
#include "screens/StateChooseLevel.h"
#include "screens/StateConfigureJoysticks.h"
#include "screens/StateFirstMenu.h"
#include "screens/StateRestartGame.h"
#include "screens/StateSettings.h"
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
