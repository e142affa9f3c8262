// What each screen keeps, saves and decides, beyond where it leads.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/KeyPress.h"
#include "core/myfopen.h"
#include "graphics/AudioPlayer.h"
#include "levelplay/Replay.h"
#include "savedata/WebInterface.h"
#include "screens/ButtonToTheWeb.h"
#include "screens/LevelMenu.h"
#include "screens/ScrollingScores.h"
#include "screens/StateAbout.h"
#include "screens/StateChooseCampaign.h"
#include "screens/StateChooseCampaignNumber.h"
#include "screens/StateChooseGameType.h"
#include "screens/StateChooseLevel.h"
#include "screens/StateChooseShipModel.h"
#include "screens/StateConfigureJoysticks.h"
#include "screens/StateConfirmScore.h"
#include "screens/StateDownloadFile.h"
#include "screens/StateFirstMenu.h"
#include "screens/StateReplayDoesNotExist.h"
#include "screens/StateRestartGame.h"
#include "screens/StateSettings.h"
#include "screens/StateShowInfo.h"
#include "screens/StateSuggestTuto.h"
#include "support/FlowDriver.h"
#include "support/StateGuards.h"
#include "widgets/MainMenu.h"
#include "widgets/MultipleValuesButton.h"
#include "widgets/OpenGLKey.h"
#include "widgets/OpenGLKeyboard.h"
#include "widgets/SettingsMenu.h"

namespace {

std::string levelPath(int i) { return LevelList::getInstance()->getLevelInformation(i)->path; }

// Gives medals: bronze on the first b levels, silver on s, gold on g.
void giveMedals(int b, int s, int g) {
    Achievements* a = Achievements::getInstance();
    for (int i = 0; i < 8; i++) {
        std::string path = levelPath(i);
        InfinityMapResults* r = a->getInfinityMapResults(path);
        r->bronze = i < b;
        r->silver = i < s;
        r->gold = i < g;
    }
}

}  // namespace

using ScreenRules = FlowTest;

TEST_F(ScreenRules, TheTutorialFlag) {
    // The suggestion saves the flag as it is built, before any press.
    driver.show(new StateSuggestTuto());
    EXPECT_NE(dir.readDocument("prefs.txt").find("hasDoneTutorial"), std::string::npos);
    Preferences::reloadForTests();
    EXPECT_TRUE(Preferences::getInstance()->get_hasDoneTutorial());

    // Tutorial on the first menu saves the flag before the game is made.
    myRemoveForDocument("prefs.txt");
    Preferences::reloadForTests();
    StateFirstMenu* menu = new StateFirstMenu();
    driver.show(menu);
    driver.tap(menu->getMenu()->getTutorialButton());
    driver.arrived<StatePlay>(1);
    Preferences::reloadForTests();
    EXPECT_TRUE(Preferences::getInstance()->get_hasDoneTutorial());
}

TEST_F(ScreenRules, BackOnTheFirstMenuEndsTheProgramWritingNothing) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    driver.show(new StateFirstMenu());
    EXPECT_EXIT(
        {
            driver.key("Escape");
            driver.run(2);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_FALSE(dir.documentExists("prefs.txt"));
}

TEST_F(ScreenRules, TheFirstMenuRemovesOnlyDownloadedReplays) {
    dir.writeDocument("replay_web_3.txt", "x");
    dir.writeDocument("replay_local_3.txt", "x");
    dir.writeDocument("replay_web_9.txt", "x");
    StateFirstMenu* menu = new StateFirstMenu();
    driver.show(menu);
    driver.run((int)menu->getDocumentNames().size() + 2);
    EXPECT_FALSE(dir.documentExists("replay_web_3.txt"));
    EXPECT_FALSE(dir.documentExists("replay_web_9.txt"));
    EXPECT_TRUE(dir.documentExists("replay_local_3.txt"));
}

TEST_F(ScreenRules, GameTypeOnAFreshProfileAndTheCampaignWinsOverBack) {
    StateChooseGameType* screen = new StateChooseGameType();
    EXPECT_EQ(screen->getCompletionLine(0), "Easy mode: ^20^7%");
    EXPECT_EQ(screen->getCompletionLine(2), "Hard mode: ^r0^7%");
    EXPECT_EQ(screen->getMedalLine(0), "^[Gold medals: 0");
    driver.show(screen);
    driver.tapTogether(FlowDriver::middleOf(screen->getCampaignButton()),
                       FlowDriver::middleOf(screen->getBackButton()->getButton()));
    driver.arrived<StateChooseCampaignNumber>(1);
}

TEST_F(ScreenRules, ShipsUnlockAtExactlyTheirNeeds) {
    giveMedals(2, 1, 0);
    StateChooseShipModel* ships = new StateChooseShipModel();
    driver.show(ships);
    EXPECT_TRUE(ships->isUnlocked(1));
    EXPECT_FALSE(ships->isUnlocked(2));
    EXPECT_TRUE(ships->lastModelIsHidden());
    EXPECT_EQ(ships->getModelCount(), 8);
    // A tap on a locked model selects nothing; on an open one it selects but saves only on back.
    driver.tap(ships->getModelButton(2));
    EXPECT_EQ(ships->getSelected(), 0);
    driver.tap(ships->getModelButton(1));
    EXPECT_EQ(ships->getSelected(), 1);
    EXPECT_FALSE(dir.documentExists("prefs.txt"));
    driver.key("Escape");
    driver.arrived<StateChooseGameType>(2);
    Preferences::reloadForTests();
    EXPECT_EQ(Preferences::getInstance()->getShipModelSelected(), 1);
}

TEST_F(ScreenRules, TheLastShipNeedsEveryCampaignAtEveryDifficulty) {
    giveMedals(8, 8, 8);
    for (int difficulty = 0; difficulty < 3; difficulty++) {
        Preferences::getInstance()->setDifficultySettings(difficulty);
        StateChooseShipModel ships;
        EXPECT_TRUE(ships.lastModelIsHidden()) << difficulty;
    }
    Achievements::getInstance()->unlockCampaign();
    StateChooseShipModel ships;
    EXPECT_FALSE(ships.lastModelIsHidden());
    EXPECT_EQ(ships.getModelCount(), 9);
    ships.setSelectedModel(8);
    EXPECT_EQ(ships.getSpeedLine(), "Speed: 140%");
    EXPECT_EQ(ships.getDefenseLine(), "Defense: 36");
    ships.setSelectedModel(5);
    EXPECT_EQ(ships.getSpeedLine(), "Speed: 100%");
}

TEST_F(ScreenRules, AStoredShipWithoutAFrameShowsAsTheFirst) {
    Preferences::getInstance()->setShipModelSelected(42);
    StateChooseShipModel* ships = new StateChooseShipModel();
    driver.show(ships);
    EXPECT_EQ(ships->getSelected(), 0);
    EXPECT_EQ(ships->getDefenseLine(), "Defense: 0");
    driver.run(5);
    EXPECT_FALSE(dir.documentExists("prefs.txt"));
    EXPECT_EQ(Preferences::getInstance()->getShipModelSelected(), 42);
}

TEST_F(ScreenRules, ChapterLocksFollowTheDifficultyAndHardSavesAtOnce) {
    StateChooseCampaignNumber* chapters = new StateChooseCampaignNumber();
    driver.show(chapters);
    EXPECT_EQ(chapters->getTitle(), "^2-^7Easy mode^2-");
    EXPECT_TRUE(chapters->isChapterLocked(1));
    EXPECT_EQ(chapters->getChapterButton(1)->getString(), "Chapter Two (Locked)");
    EXPECT_EQ(chapters->getPercentage(0), "^70^2%");
    driver.tap(chapters->getChapterButton(1));
    EXPECT_EQ(driver.current(), chapters);

    std::string last = LevelList::getInstance()->getCampaign(0)->getFinalLevel()->path;
    Achievements::getInstance()->setCampaignLevelIsFinished(last, 1, 100);
    driver.tap(chapters->getDifficultyButton(1));
    EXPECT_FALSE(chapters->isChapterLocked(1));
    EXPECT_TRUE(chapters->isChapterLocked(2));
    EXPECT_EQ(chapters->getPercentage(0).substr(chapters->getPercentage(0).size() - 3), "^u%");
    driver.tap(chapters->getDifficultyButton(2));
    EXPECT_TRUE(chapters->isChapterLocked(1));
    EXPECT_EQ(chapters->getTitle(), "^r-^7Hard mode^r-");
    Preferences::reloadForTests();
    EXPECT_EQ(Preferences::getInstance()->getDifficultySettings(), 2);
    EXPECT_EQ(driver.current(), chapters);
}

TEST_F(ScreenRules, MusicOffPausesAndSavesInTheSameFrame) {
    StateSettings* settings = new StateSettings();
    driver.show(settings);
    driver.run(90);
    SettingsMenu* menu = settings->getMenu();
    int row = -1;
    for (int i = 0; i < menu->getNumberOfRows(); i++)
        if (menu->getRowButton(i)->getButton()->getString() == "Music on")
            row = i;
    ASSERT_GE(row, 0);
    EXPECT_EQ(menu->getNumberOfRows(), 11);
    // The list is dragged, a stroke at a time, until the row is in reach; a
    // stroke ends held still, so no momentum carries it on.
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    auto rowMiddle = [&] {
        Coord c = FlowDriver::middleOf(menu->getRowButton(row)->getButton());
        // After a drag the rows stay out of reach until the next touch comes down.
        if (menu->getIsDragging())
            c.x += 100000.0f;
        return c;
    };
    for (int stroke = 0; stroke < 8 && (rowMiddle().x < 0.2f * W || rowMiddle().x > 0.8f * W); stroke++) {
        float shift = std::max(-0.6f * W, std::min(0.6f * W, 0.5f * W - rowMiddle().x));
        driver.drag(Coord(0.5f * W - shift / 2, 0.4f * H, 0), Coord(0.5f * W + shift / 2, 0.4f * H, 0));
        driver.run(30);
    }
    ASSERT_TRUE(Preferences::getInstance()->getMusicEnabled());
    Coord target = rowMiddle();
    ASSERT_GT(target.x, 0.0f);
    ASSERT_LT(target.x, W);
    driver.tap(target);
    EXPECT_FALSE(Preferences::getInstance()->getMusicEnabled());
    EXPECT_TRUE(AudioPlayer::getInstance()->paused);
    Preferences::reloadForTests();
    EXPECT_FALSE(Preferences::getInstance()->getMusicEnabled());
    Preferences::getInstance()->setMusicEnabled(true);
}

TEST_F(ScreenRules, StickLayout) {
    Preferences* p = Preferences::getInstance();
    p->setJoysticksPosition(0);
    StateConfigureJoysticks* sticks = new StateConfigureJoysticks();
    driver.show(sticks);
    EXPECT_EQ(sticks->getPresetButton()->getActiveValue(), 0);
    EXPECT_EQ(p->getJoysticksPosition(), 6);
    const int order[] = {1, 2, 3, 5, 4, 6, 0};
    for (int expected : order) {
        driver.tap(sticks->getPresetButton()->getButton());
        EXPECT_EQ(p->getJoysticksPosition(), expected);
    }
    p->setCustomJoysticksSize(1000);
    for (int i = 0; i < 12; i++)
        driver.tap(sticks->getMinusButton());
    EXPECT_EQ(p->getCustomJoysticksSize(), 100);
    EXPECT_EQ(sticks->getPresetButton()->getActiveValue(), 6);

    // A touch held near an edge places that stick; the middle band places nothing.
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    Coord left, right;
    driver.tap(Coord(0.8f * W, 0.9f * H, 0));
    p->getJoysticksCustomPosition(left, right);
    EXPECT_NEAR(left.x, 0.8f * W, 1.5f);
    EXPECT_NEAR(left.y, 0.9f * H, 1.5f);
    driver.tap(Coord(0.85f * W, 0.1f * H, 0));
    p->getJoysticksCustomPosition(left, right);
    EXPECT_NEAR(right.y, 0.1f * H, 1.5f);
    driver.tap(Coord(0.9f * W, 0.5f * H, 0));
    Coord left2, right2;
    p->getJoysticksCustomPosition(left2, right2);
    EXPECT_TRUE(left2.equals(left) && right2.equals(right));

    driver.tap(sticks->getOkButton());
    driver.arrived<StateSettings>(3);
    Preferences::reloadForTests();
    EXPECT_EQ(Preferences::getInstance()->getJoysticksPosition(), 6);
}

TEST_F(ScreenRules, TheLevelScreenRemembersTheLevel) {
    StateChooseLevel* fresh = new StateChooseLevel(StateChooseLevel::LAST_CHOSEN);
    EXPECT_EQ(fresh->getLevelNumber(), 0);
    delete fresh;
    driver.show(new StateChooseLevel(5));
    driver.key("Escape");
    driver.settle();
    StateChooseLevel* again = new StateChooseLevel(StateChooseLevel::LAST_CHOSEN);
    EXPECT_EQ(again->getLevelNumber(), 5);
    delete again;
    StateChooseLevel outside(9);
    EXPECT_EQ(outside.getLevelNumber(), 0);
    Preferences::getInstance()->setLastChosenLevelNumber(-7);
    StateChooseLevel damaged(StateChooseLevel::LAST_CHOSEN);
    EXPECT_EQ(damaged.getLevelNumber(), 0);
}

TEST_F(ScreenRules, AnOwnReplayThatCannotPlayDoesNothing) {
    Scores::getInstance()->addLocalScore(levelPath(0), "me", 50, 12, 100, 2);
    dir.writeDocument(Replay::getPath(12, false), "damaged");
    Preferences::getInstance()->set_isShowingLocalScores(true);
    StateChooseLevel* level = new StateChooseLevel(0);
    driver.show(level);
    waitForRows(level);
    ASSERT_TRUE(level->getPanel()->getIsShowingLocalScores());
    driver.tap(level->getPanel()->getShownList()->getReplayButton(0));
    driver.run(30);
    EXPECT_EQ(driver.current(), level);
}

TEST_F(ScreenRules, AStoredWorldReplayThatCannotPlayIsFetchedAgain) {
    dir.writeDocument("web_scores.txt", "");
    Scores::reloadForTests();
    ScoresForALevel* world = Scores::getInstance()->getWebScoresForLevel(levelPath(0));
    ASSERT_NE(world, nullptr);
    world->addScore("far", 70, 33, 0, 2);
    dir.writeDocument(Replay::getPath(33, true), "damaged");
    Preferences::getInstance()->set_isShowingLocalScores(false);
    StateChooseLevel* level = new StateChooseLevel(0);
    driver.show(level);
    waitForRows(level);
    ASSERT_FALSE(level->getPanel()->getIsShowingLocalScores());
    driver.tap(level->getPanel()->getShownList()->getReplayButton(0));
    EXPECT_FALSE(dir.documentExists(Replay::getPath(33, true)));
    driver.arrived<StateDownloadFile>(1);
}

TEST_F(ScreenRules, OkBeatsBackOnTheInformationScreen) {
    StateShowInfo* info = new StateShowInfo(new StatePlay(levelPath(0), false, false), 0);
    driver.show(info);
    info->backButtonIsPressed();
    driver.key("Return");
    EXPECT_EQ(info->getHeldScreen(), nullptr);
    driver.arrived<StatePlay>(1);
}

TEST_F(ScreenRules, TheInformationScreenSizesItsText) {
    DeviceGuard device;
    StateShowInfo big(nullptr, 0);
    ASSERT_GT(big.getNumberOfLines(), 0);
    float zoomBig = big.getLine(0)->getZoom();
    Device::screenHeight = 400;
    StateShowInfo small(nullptr, 0);
    EXPECT_FLOAT_EQ(small.getLine(0)->getZoom(), 0.0024f * 400);
    EXPECT_FLOAT_EQ(small.getLine(0)->getCoord().y, 0.95f * 400);
    Device::screenHeight = 401;
    StateShowInfo notSmall(nullptr, 0);
    EXPECT_FLOAT_EQ(notSmall.getLine(0)->getZoom(), 0.0015f * 401);
    EXPECT_NE(zoomBig, 0.0f);
}

TEST_F(ScreenRules, MedalsAreStrictAndTheLineNamesTheLast) {
    const LevelInformation* info = LevelList::getInstance()->getLevelInformation(0);
    {
        StateConfirmScore equal(info->path, info->bronze, -1, 0);
        EXPECT_FALSE(equal.hasWonMedal());
    }
    StateConfirmScore all(info->path, info->gold + 1, -1, 0);
    EXPECT_TRUE(all.hasWonMedal());
    EXPECT_EQ(all.getMedalLine(), "^7You have obtained the ^[gold^7 medal!");
    std::string path = info->path;
    InfinityMapResults* r = Achievements::getInstance()->getInfinityMapResults(path);
    EXPECT_TRUE(r->bronze && r->silver && r->gold);
    EXPECT_TRUE(dir.documentExists("achievements.txt"));
    StateConfirmScore again(info->path, info->gold + 1, -1, 0);
    EXPECT_FALSE(again.hasWonMedal());
}

TEST_F(ScreenRules, TheNicknameAndItsColourCode) {
    StateConfirmScore entry(levelPath(0), 5, -1, 0);
    entry.textHasChanged("Bob^r");
    EXPECT_EQ(Preferences::getInstance()->getNickName(), "Bob^r");
    EXPECT_EQ(entry.getNameLine(), std::string("Save as \" Bob^r\x08r ^7\" "));
    entry.textHasChanged("I like Kwazoo");
    EXPECT_EQ(Preferences::getInstance()->getNickName(), "^dTi^$rlo");
    EXPECT_EQ(Achievements::getInstance()->getPercentageOfAllCampaignsDone(2), 100);
}

TEST_F(ScreenRules, ARejectedScoreLosesItsReplayAndAnEmptyNameStoresTheDefault) {
    for (int i = 0; i < 10; i++)
        Scores::getInstance()->addLocalScore(levelPath(0), "top", 1000 + i, -1, 100, 2);
    dir.writeDocument(Replay::getPath(21, false), "x");
    StateConfirmScore* low = new StateConfirmScore(levelPath(0), 3, 21, 0);
    driver.show(low);
    driver.tap(low->getOkButton());
    driver.arrived<StateRestartGame>(2);
    EXPECT_FALSE(dir.documentExists(Replay::getPath(21, false)));

    Scores::reloadForTests();
    myRemoveForDocument("local_scores.txt");
    Scores::reloadForTests();
    Preferences::getInstance()->setNickName("");
    StateConfirmScore* entry = new StateConfirmScore(levelPath(0), 30, -1, 0);
    driver.show(entry);
    driver.tap(entry->getOkButton());
    driver.settle();
    Scores::reloadForTests();
    ScoresForALevel* mine = Scores::getInstance()->getLocalScoresForLevel(levelPath(0));
    ASSERT_NE(mine, nullptr);
    ASSERT_EQ(mine->scores.size(), 1u);
    EXPECT_FALSE(mine->scores[0]->name.empty());
}

TEST_F(ScreenRules, TheBackKeyDuringTheKeyboardActsWhenItCloses) {
    StateConfirmScore* entry = new StateConfirmScore(levelPath(0), 30, -1, 0);
    driver.show(entry);
    driver.tap(entry->getEditButton());
    ASSERT_TRUE(entry->isKeyboardShown());
    driver.key("Escape");
    driver.run(5);
    EXPECT_EQ(driver.current(), entry);
    // "ok" on the keyboard closes it; the remembered press leaves next.
    OpenGLKeyboard* keyboard = entry->getKeyboard();
    OpenGLKey* okKey = nullptr;
    for (OpenGLKey* k : keyboard->getKeys())
        if (k->getLabel() == "ok")
            okKey = k;
    ASSERT_NE(okKey, nullptr);
    driver.tap(okKey->getCentre());
    EXPECT_FALSE(entry->isKeyboardShown());
    EXPECT_EQ(driver.current(), entry);
    driver.frame();
    driver.arrived<StateRestartGame>(2);
}

TEST_F(ScreenRules, YesWinsATieOnThePlayAgainScreen) {
    StateRestartGame* again = new StateRestartGame(levelPath(0), false);
    driver.show(again);
    driver.tapTogether(FlowDriver::middleOf(again->getYesButton()), FlowDriver::middleOf(again->getNoButton()));
    driver.arrived<StatePlay>(1);
}

TEST_F(ScreenRules, TheMessageScreensDifferOnTheBackKey) {
    StateReplayDoesNotExist* missing = new StateReplayDoesNotExist();
    driver.show(missing);
    driver.key("Escape");
    driver.run(10);
    EXPECT_EQ(driver.current(), missing);
}

TEST_F(ScreenRules, TheAboutScreen) {
    StateAbout* about = new StateAbout();
    driver.show(about);
    EXPECT_EQ(about->getNumberOfNames(), 13);
    EXPECT_EQ(about->getCreditLine(1), "^uby the Zorbix 2 team");
    EXPECT_EQ(StateAbout::webAddress(3), "http://" + WebInterface::serverHost + "/");
    EXPECT_EQ(StateAbout::webAddress(0).compare(0, 7, "file://"), 0);
    // The first name stays 79 updates, every later one 158; then the list
    // starts again. The game loop drives the first; the rest are stepped
    // without drawing.
    int updates = 0, shown = about->getShownName();
    while (about->getShownName() == shown && updates < 1000) {
        driver.frame();
        updates++;
    }
    EXPECT_NEAR(updates, 79, 2);
    for (int name = 1; name <= about->getNumberOfNames(); name++) {
        SCOPED_TRACE("name " + std::to_string(name));
        ASSERT_EQ(about->getShownName(), name % about->getNumberOfNames());
        updates = 0;
        while (about->getShownName() == name % about->getNumberOfNames() && updates < 1000) {
            EXPECT_EQ(about->updateState(), nullptr);
            updates++;
        }
        EXPECT_NEAR(updates, 158, 1);
    }
    EXPECT_EQ(about->getShownName(), 1);
    ::testing::internal::CaptureStdout();
    driver.tap(about->getWebButton(3));
    std::string printed = ::testing::internal::GetCapturedStdout();
    // The headless navigator prints the address it is asked to open, once.
    std::string line = StateAbout::webAddress(3) + "\n";
    size_t at = printed.find(line);
    ASSERT_NE(at, std::string::npos) << printed;
    EXPECT_EQ(printed.find(line, at + 1), std::string::npos);
    EXPECT_EQ(driver.current(), about);
}
