// The ways out of a game and of the score entry that follows it.
#include <gtest/gtest.h>

#include <string>

#include "levelplay/Replay.h"
#include "screens/LevelMenu.h"
#include "screens/ScrollingScores.h"
#include "screens/StateChooseCampaign.h"
#include "screens/StateChooseLevel.h"
#include "screens/StateConfirmScore.h"
#include "screens/StateFirstMenu.h"
#include "screens/StateRestartGame.h"
#include "support/FlowDriver.h"
#include "support/StateGuards.h"
#include "widgets/InGameMenu.h"

namespace {

const char* const TUTORIAL = "/data/levels/campaign0/tutorial/tutorial.lua";

std::string infinityPath() { return LevelList::getInstance()->getLevelInformation(0)->path; }
std::string campaignPath() { return LevelList::getInstance()->getCampaign(0)->get(0)->path; }

}  // namespace

class GameExit : public FlowTest {
protected:
    // Shows a new game and lets its first frames run.
    StatePlay* start(StatePlay* play) {
        driver.show(play);
        driver.run(3);
        return play;
    }
    // The menu opened with P, then the back key twice: ask to quit, confirm.
    void quitThroughTheMenu() {
        driver.key("P");
        driver.run(40);
        driver.key("Escape");
        driver.run(10);
        driver.key("Escape");
    }
};

TEST_F(GameExit, FinishedGamesByMode) {
    start(new StatePlay(TUTORIAL, false, true));
    finishGame(1);
    driver.arrived<StateFirstMenu>(2);

    start(new StatePlay(campaignPath(), true, false));
    finishGame(250);
    driver.arrived<StateChooseCampaign>(2);
    std::string path = campaignPath();
    EXPECT_TRUE(Achievements::getInstance()->isCampaignLevelFinished(path, 0));

    start(new StatePlay(campaignPath(), true, false));
    finishGame(0);
    StateRestartGame* again = driver.arrived<StateRestartGame>(2);
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->isCampaign);

    Preferences::getInstance()->set_skipPlayAgainMenu(true);
    start(new StatePlay(campaignPath(), true, false));
    finishGame(0);
    driver.arrived<StateChooseCampaign>(2);
}

TEST_F(GameExit, AnInfinityGameGoesToTheScoreEntryThenPlaybackBackToTheLevel) {
    start(new StatePlay(infinityPath(), false, false));
    finishGame(1234);
    StateConfirmScore* entry = driver.arrived<StateConfirmScore>(2);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->score, 1234);
    EXPECT_EQ(entry->level, infinityPath());
    int replay = entry->replay;
    ASSERT_GE(replay, 0);
    EXPECT_TRUE(dir.documentExists(Replay::getPath(replay, false)));

    driver.tap(entry->getOkButton());
    StateRestartGame* again = driver.arrived<StateRestartGame>(2);
    ASSERT_NE(again, nullptr);
    EXPECT_FALSE(again->isCampaign);
    EXPECT_EQ(again->levelPath, infinityPath());
    EXPECT_NE(dir.readDocument("local_scores.txt").find("1234"), std::string::npos);

    start(new StatePlay(replay, false, "me"));
    finishGame(1234);
    driver.arrived<StateChooseLevel>(2);
}

TEST_F(GameExit, ScoreEntryWithPlayAgainOffGoesToTheLevel) {
    Preferences::getInstance()->set_skipPlayAgainMenu(true);
    Preferences::getInstance()->setLastChosenLevelNumber(3);
    StateConfirmScore* entry = new StateConfirmScore(infinityPath(), 10, -1, 0);
    driver.show(entry);
    driver.tap(entry->getOkButton());
    StateChooseLevel* level = driver.arrived<StateChooseLevel>(2);
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(level->getLevelNumber(), 3);
}

TEST_F(GameExit, QuitFromTheMenuByMode) {
    start(new StatePlay(campaignPath(), true, false));
    quitThroughTheMenu();
    driver.arrived<StateChooseCampaign>(2);

    start(new StatePlay(TUTORIAL, false, true));
    quitThroughTheMenu();
    driver.arrived<StateFirstMenu>(3);

    // The tutorial suggested before the first game counts as a campaign one.
    start(new StatePlay(TUTORIAL, true, true));
    quitThroughTheMenu();
    driver.arrived<StateChooseCampaign>(2);

    start(new StatePlay(infinityPath(), false, false));
    quitThroughTheMenu();
    driver.arrived<StateChooseLevel>(2);
}

// A campaign level named in the environment leaves to its own chapter's levels
// after a win, a loss or a quit, whichever chapter the menus showed last.
TEST_F(GameExit, ACampaignLevelStartedByNameLeavesToItsChapter) {
    LevelList* list = LevelList::getInstance();
    Preferences::getInstance()->set_skipPlayAgainMenu(true);
    struct Case {
        std::string level;
        int chapter;
    } cases[] = {{"103", 1}, {list->getCampaign(2)->get(1)->path, 2}, {"0", 0}};
    for (const Case& c : cases)
        for (const char* ending : {"win", "loss", "quit"}) {
            SCOPED_TRACE(c.level + " " + ending);
            Preferences::getInstance()->setLastChosenCampaignNumber(c.chapter == 0 ? 2 : 0);
            setenv("ZORBIX_LEVEL", c.level.c_str(), 1);
            std::string error;
            State* play = startScreenFromEnvironment(&error);
            unsetenv("ZORBIX_LEVEL");
            ASSERT_NE(dynamic_cast<StatePlay*>(play), nullptr) << error;
            start(static_cast<StatePlay*>(play));
            if (std::string(ending) == "quit")
                quitThroughTheMenu();
            else
                finishGame(std::string(ending) == "win" ? 250 : 0);
            StateChooseCampaign* levels = driver.arrived<StateChooseCampaign>(2);
            ASSERT_NE(levels, nullptr);
            EXPECT_EQ(levels->getCampaign()->number, c.chapter);
        }
}

// An infinity level or replay named in the environment leaves to its own
// level's scores after a game end, a quit or the end of the playback,
// whichever level the menus showed last.
TEST_F(GameExit, AnInfinityLevelStartedByNameLeavesToItsScores) {
    LevelList* list = LevelList::getInstance();
    Preferences::getInstance()->set_skipPlayAgainMenu(true);
    start(new StatePlay(list->getLevelInformation(7)->path, false, false));
    finishGame(300);
    StateConfirmScore* recorded = driver.arrived<StateConfirmScore>(2);
    ASSERT_NE(recorded, nullptr);
    ASSERT_GT(recorded->replay, 0);
    enum Ending { QUIT, SCORE_ENTRY, PLAYBACK_END };
    struct Case {
        const char* variable;
        std::string value;
        int level;
        Ending ending;
    } cases[] = {
        {"ZORBIX_LEVEL", "1003", 3, SCORE_ENTRY},
        {"ZORBIX_LEVEL", "1003", 3, QUIT},
        {"ZORBIX_LEVEL", list->getLevelInformation(5)->path, 5, QUIT},
        {"ZORBIX_REPLAY", std::to_string(recorded->replay), 7, PLAYBACK_END},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.variable) + "=" + c.value + " ending " + std::to_string(c.ending));
        // As at start-up: the title is shown, and the level screens are gone
        // (leaving one stores its level as the last chosen).
        driver.show(new StateFirstMenu());
        Preferences::getInstance()->setLastChosenLevelNumber(0);
        setenv(c.variable, c.value.c_str(), 1);
        std::string error;
        State* play = startScreenFromEnvironment(&error);
        unsetenv(c.variable);
        ASSERT_NE(dynamic_cast<StatePlay*>(play), nullptr) << error;
        start(static_cast<StatePlay*>(play));
        if (c.ending == QUIT) {
            quitThroughTheMenu();
        } else {
            finishGame(300);
            if (c.ending == SCORE_ENTRY) {
                StateConfirmScore* entry = driver.arrived<StateConfirmScore>(2);
                ASSERT_NE(entry, nullptr);
                driver.tap(entry->getOkButton());
            }
        }
        StateChooseLevel* scores = driver.arrived<StateChooseLevel>(2);
        ASSERT_NE(scores, nullptr);
        EXPECT_EQ(scores->getLevelNumber(), c.level);
    }
}

// The game tells on its standard output how an infinity game ended and where
// its replay went; a campaign game, and the tools, print nothing.
TEST_F(GameExit, AnEndedInfinityGameIsAnnouncedOnTheStandardOutput) {
    connectPlayExits(true);
    testing::internal::CaptureStdout();
    start(new StatePlay(infinityPath(), false, false));
    finishGame(1234);
    StateConfirmScore* entry = driver.arrived<StateConfirmScore>(2);
    int replay = entry ? entry->replay : 0;
    start(new StatePlay(campaignPath(), true, false));
    finishGame(250);
    driver.arrived<StateChooseCampaign>(2);
    connectPlayExits(false);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_GT(replay, 0);
    EXPECT_EQ(out, "score 1234, replay " + std::to_string(replay) + "\n");

    testing::internal::CaptureStdout();
    start(new StatePlay(infinityPath(), false, false));
    finishGame(99);
    driver.arrived<StateConfirmScore>(2);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

// Started without its documents folder, the game makes it: the replay is
// saved and announced, and the score kept.
TEST_F(GameExit, AMissingDocumentsFolderIsMadeAndTheGameSaves) {
    ASSERT_EQ(std::system(("rm -rf '" + dir.root + "/data'").c_str()), 0);
    connectPlayExits(true);
    OnExit quiet([] { connectPlayExits(false); });
    testing::internal::CaptureStdout();
    start(new StatePlay(infinityPath(), false, false));
    finishGame(1234);
    StateConfirmScore* entry = driver.arrived<StateConfirmScore>(2);
    std::string out = testing::internal::GetCapturedStdout();
    ASSERT_NE(entry, nullptr);
    ASSERT_GT(entry->replay, 0);
    EXPECT_EQ(out, "score 1234, replay " + std::to_string(entry->replay) + "\n");
    EXPECT_TRUE(dir.documentExists(Replay::getPath(entry->replay, false)));
    driver.tap(entry->getOkButton());
    driver.arrived<StateRestartGame>(2);
    EXPECT_NE(dir.readDocument("local_scores.txt").find("1234"), std::string::npos);
}

// A save that cannot be made says so in one line on the standard error
// stream, naming the file, and the game goes on. The game started there: the
// score list could not be read, and its save, skipped, is told too.
TEST_F(GameExit, ASaveThatFailsSaysSoAndTheGameGoesOn) {
    dir.write("file", "");
    std::string folder = dir.root + "/file/data";
    setenv("ZORBIX_DOCUMENTS", folder.c_str(), 1);
    OnExit back([this] {
        setenv("ZORBIX_DOCUMENTS", (dir.root + "/data").c_str(), 1);
        reloadProfile();
    });
    reloadProfile();
    testing::internal::CaptureStderr();
    start(new StatePlay(infinityPath(), false, false));
    finishGame(1234);
    StateConfirmScore* entry = driver.arrived<StateConfirmScore>(2);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->replay, -1);
    driver.tap(entry->getOkButton());
    EXPECT_NE(driver.arrived<StateRestartGame>(2), nullptr);
    std::string err = testing::internal::GetCapturedStderr();
    for (const char* name : {"prefs.txt", "replay_local_1.txt", "local_scores.txt"})
        EXPECT_NE(err.find("cannot save " + folder + "/" + name + ": Not a directory\n"), std::string::npos) << err;
}

// The level screen's replay rows: an own replay plays with a type 1 turn, a
// stored world replay with a type 2 turn.
TEST_F(GameExit, ReplaysFromTheLevelScreen) {
    start(new StatePlay(infinityPath(), false, false));
    finishGame(900);
    StateConfirmScore* entry = driver.arrived<StateConfirmScore>(2);
    ASSERT_NE(entry, nullptr);
    int replay = entry->replay;
    driver.tap(entry->getOkButton());
    driver.arrived<StateRestartGame>(2);

    Preferences::getInstance()->set_isShowingLocalScores(true);
    StateChooseLevel* level = new StateChooseLevel(0);
    driver.show(level);
    waitForRows(level);
    driver.tap(level->getPanel()->getShownList()->getReplayButton(0));
    driver.arrived<StatePlay>(1);

    // The same bytes stored as a downloaded world replay of a world score.
    dir.writeDocument(Replay::getPath(55, true), dir.readDocument(Replay::getPath(replay, false)));
    dir.writeDocument("web_scores.txt", "");
    Scores::reloadForTests();
    Scores::getInstance()->getWebScoresForLevel(infinityPath())->addScore("far", 70, 55, 0, 2);
    Preferences::getInstance()->set_isShowingLocalScores(false);
    level = new StateChooseLevel(0);
    driver.show(level);
    waitForRows(level);
    driver.tap(level->getPanel()->getShownList()->getReplayButton(0));
    driver.arrived<StatePlay>(2);
}
