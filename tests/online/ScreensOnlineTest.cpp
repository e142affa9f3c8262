// The upload and download screens against the loopback score server, in the
// test's own network namespace, driven through the real loop.
#include <gtest/gtest.h>
#include <unistd.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/myfopen.h"
#include "levelplay/Replay.h"
#include "screens/ChooseInfinity.h"
#include "screens/InfinityButton.h"
#include "screens/LevelMenu.h"
#include "screens/StateChooseGameType.h"
#include "screens/StateChooseInfinity.h"
#include "screens/StateChooseLevel.h"
#include "screens/StateConfirmScore.h"
#include "screens/StateDownloadFile.h"
#include "screens/StateFailedToConnectToServer.h"
#include "screens/StateFirstMenu.h"
#include "screens/StateReplayDoesNotExist.h"
#include "screens/StateRestartGame.h"
#include "screens/StateSendScores.h"
#include "screens/StateShowInfo.h"
#include "screens/StateSuggestTuto.h"
#include "support/FlowDriver.h"
#include "support/NetNamespace.h"
#include "support/ScoreServer.h"
#include "support/StateGuards.h"
#include "widgets/MainMenu.h"
#include "widgets/MultipleValuesButton.h"

namespace {

std::string levelPath(int i) { return LevelList::getInstance()->getLevelInformation(i)->path; }

int countRequestsStartingWith(const std::vector<std::string>& requests, const std::string& start) {
    int n = 0;
    for (const std::string& r : requests)
        n += r.compare(0, start.size(), start) == 0;
    return n;
}

}  // namespace

class ScreensOnline : public FlowTest {
protected:
    void SetUp() override {
        ASSERT_EQ(netNamespaceError(), "");
        FlowTest::SetUp();
    }
    // Frames until the shown screen asks for a switch (at most two seconds
    // of frames, the server answering in between).
    void runUntilSwitch() {
        int before = driver.switchCount();
        for (int i = 0; i < 400 && driver.switchCount() == before; i++) {
            driver.frame();
            usleep(5000);
        }
    }
    // A recorded game of level 0 ended with this score, kept as an own score.
    int playAndKeep(int score) {
        driver.show(new StatePlay(levelPath(0), false, false));
        driver.run(3);
        finishGame(score);
        EXPECT_TRUE(driver.settle());
        StateConfirmScore* entry = driver.currentAs<StateConfirmScore>();
        EXPECT_NE(entry, nullptr);
        if (!entry)
            return -1;
        int replay = entry->replay;
        driver.tap(entry->getOkButton());
        driver.settle();
        return replay;
    }
};

TEST_F(ScreensOnline, UploadsTheBestScoreOfEachLevelInOrder) {
    ScoreServer server("127.0.0.1", 80);
    ASSERT_TRUE(server.listening()) << server.bindError();
    server.setScript(ScoreServer::answer("OK"));
    Scores* scores = Scores::getInstance();
    scores->addLocalScore(levelPath(5), "five", 500, 9, 100, 2);
    scores->addLocalScore(levelPath(2), "two", 200, 8, 100, 2);
    scores->addLocalScore(levelPath(2), "two", 100, 7, 101, 2);
    driver.show(new StateSendScores());
    runUntilSwitch();
    driver.arrived<StateChooseLevel>(2);
    std::vector<ScoreServer::Upload> uploads = server.uploads();
    std::vector<std::string> requests = server.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_NE(requests[0].find(levelPath(2)), std::string::npos);
    EXPECT_NE(requests[0].find("\r\n200\r\n"), std::string::npos);
    EXPECT_NE(requests[1].find(levelPath(5)), std::string::npos);
}

TEST_F(ScreensOnline, OnlyAnAnswerStartingWithYesBringsTheReplayOnce) {
    for (const char* answer : {"YES", "YES please", "YE", "yes", "NO"}) {
        SCOPED_TRACE(answer);
        // The server answers the same to every upload, the replay's too.
        ScoreServer server("127.0.0.1", 80);
        ASSERT_TRUE(server.listening()) << server.bindError();
        server.setScript(ScoreServer::answer(answer));
        Scores::reloadForTests();
        dir.writeDocument("local_scores.txt", "");
        Scores::getInstance()->addLocalScore(levelPath(1), "one", 10, 4, 100, 2);
        Scores::getInstance()->addLocalScore(levelPath(3), "three", 30, 5, 100, 2);
        dir.writeDocument(Replay::getPath(4, false), "replay bytes");
        dir.writeDocument(Replay::getPath(5, false), "other bytes");
        driver.show(new StateSendScores());
        runUntilSwitch();
        driver.arrived<StateChooseLevel>(2);
        std::vector<std::string> requests = server.requests();
        bool wantsReplay = std::string(answer).compare(0, 3, "YES") == 0;
        ASSERT_EQ(requests.size(), wantsReplay ? 4u : 2u);
        if (wantsReplay) {
            EXPECT_NE(requests[1].find("replay bytes"), std::string::npos);
            EXPECT_NE(requests[2].find(levelPath(3)), std::string::npos);
            EXPECT_EQ(requests[2].find("other bytes"), std::string::npos);
            EXPECT_NE(requests[3].find("other bytes"), std::string::npos);
        }
    }
}

TEST_F(ScreensOnline, AFailedUploadStopsTheWalk) {
    // The server answers the first upload, then is gone: the second fails.
    auto server = std::make_unique<ScoreServer>("127.0.0.1", 80);
    ASSERT_TRUE(server->listening()) << server->bindError();
    server->setScript(ScoreServer::answer("OK"));
    for (int level : {1, 3, 6})
        Scores::getInstance()->addLocalScore(levelPath(level), "me", 100 + level, level, 100, 2);
    driver.show(new StateSendScores());
    driver.frame();
    for (int i = 0; i < 400 && server->requests().empty(); i++)
        usleep(5000);
    usleep(100000);
    std::vector<std::string> requests = server->requests();
    server.reset();
    runUntilSwitch();
    driver.arrived<StateFailedToConnectToServer>(1);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_NE(requests[0].find(levelPath(1)), std::string::npos);
}

TEST_F(ScreensOnline, NothingToSendMakesNoConnection) {
    ScoreServer server("127.0.0.1", 80);
    ASSERT_TRUE(server.listening()) << server.bindError();
    driver.show(new StateSendScores());
    driver.frame();
    driver.arrived<StateChooseLevel>(2);
    EXPECT_TRUE(server.requests().empty());
}

TEST_F(ScreensOnline, CancelClosesTheConnection) {
    ScoreServer server("127.0.0.1", 80);
    ASSERT_TRUE(server.listening()) << server.bindError();
    ScoreServer::Script silent;
    silent.end = ScoreServer::SILENCE;
    server.setScript(silent);
    Scores::getInstance()->addLocalScore(levelPath(0), "me", 5, 1, 100, 2);
    StateSendScores* screen = new StateSendScores();
    driver.show(screen);
    driver.run(5);
    driver.tap(screen->getCancelButton());
    driver.arrived<StateChooseLevel>(2);
    for (int i = 0; i < 200 && server.eofCount() == 0; i++)
        usleep(5000);
    EXPECT_EQ(server.eofCount(), 1);
}

// An own game uploaded with its replay, the world scores fetched, and the
// world replay watched: the server as the real one behaves.
TEST_F(ScreensOnline, UploadRefreshAndWatchAWorldReplay) {
    ScoreServer server("127.0.0.1", 80);
    ASSERT_TRUE(server.listening()) << server.bindError();
    server.emulate();
    ASSERT_GE(playAndKeep(4321), 0);
    driver.show(new StateSendScores());
    runUntilSwitch();
    driver.arrived<StateChooseLevel>(2);
    std::vector<ScoreServer::Upload> uploads = server.uploads();
    ASSERT_EQ(uploads.size(), 2u);
    EXPECT_FALSE(uploads[0].hasReplay);
    EXPECT_TRUE(uploads[1].hasReplay);

    driver.show(new StateDownloadFile(0, 0, ""));
    runUntilSwitch();
    driver.arrived<StateChooseLevel>(2);
    ScoresForALevel* world = Scores::getInstance()->getWebScoresForLevel(levelPath(0));
    ASSERT_NE(world, nullptr);
    ASSERT_EQ(world->scores.size(), 1u);
    EXPECT_EQ(world->scores[0]->score, 4321);
    int id = world->scores[0]->replay;
    EXPECT_FALSE(Replay::replayExists(id, true));

    driver.show(new StateDownloadFile(1, id, world->scores[0]->name));
    runUntilSwitch();
    driver.arrived<StatePlay>(2);
    EXPECT_TRUE(Replay::replayExists(id, true));
}

TEST_F(ScreensOnline, AnAnswerOtherThan2xxIsAFailedTransfer) {
    // A world table with one score, "old" on the first level.
    std::string old = "zorbix2\nv2\n" + levelPath(0) + "\n1\nold\n10\n3\n2\n";
    for (int i = 1; i < LevelList::getInstance()->getNumberOfLevels(); i++)
        old += levelPath(i) + "\n0\n";
    for (const char* status : {"500 Internal Server Error", "302 Found", "404 Not Found"}) {
        SCOPED_TRACE(status);
        ScoreServer server("127.0.0.1", 80);
        ASSERT_TRUE(server.listening()) << server.bindError();
        dir.writeDocument("web_scores.txt", old);
        Scores::reloadForTests();
        server.setScript(ScoreServer::answer("<html>error</html>", status));
        driver.show(new StateDownloadFile(0, 0, ""));
        runUntilSwitch();
        driver.arrived<StateFailedToConnectToServer>(1);
        EXPECT_EQ(dir.readDocument("web_scores.txt"), old);
        ScoresForALevel* world = Scores::getInstance()->getWebScoresForLevel(levelPath(0));
        ASSERT_NE(world, nullptr);
        ASSERT_EQ(world->scores.size(), 1u);
        EXPECT_EQ(world->scores[0]->name, "old");

        // An upload answered so: the failure shows and nothing more is sent.
        server.setScript(ScoreServer::answer("YES", status));
        Scores::getInstance()->addLocalScore(levelPath(0), "me", 5, 1, 100, 2);
        driver.show(new StateSendScores());
        runUntilSwitch();
        driver.arrived<StateFailedToConnectToServer>(1);
        EXPECT_EQ(countRequestsStartingWith(server.requests(), "POST /UploadScore_4"), 1);
    }
}

// A success answer that does not read as a world score list fails as a
// refused one does: the old file and table stay, nothing is set aside.
TEST_F(ScreensOnline, ABodyThatIsNoWorldListKeepsTheOldOne) {
    std::string old = "zorbix2\nv2\n" + levelPath(0) + "\n1\nold\n10\n3\n2\n";
    for (int i = 1; i < LevelList::getInstance()->getNumberOfLevels(); i++)
        old += levelPath(i) + "\n0\n";
    std::mt19937 generator(2024);
    std::string noise(3000, '\0');
    for (char& c : noise)
        c = (char)(generator() & 0xFF);
    struct Case {
        const char* name;
        std::string body;
    } cases[] = {
        {"maintenance page",
         "<!DOCTYPE html>\n<html><head><title>Maintenance</title></head>\n"
         "<body><h1>Down for maintenance</h1><p>Back soon.</p></body></html>\n"},
        {"3000 random bytes", noise},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScoreServer server("127.0.0.1", 80);
        ASSERT_TRUE(server.listening()) << server.bindError();
        dir.writeDocument("web_scores.txt", old);
        Scores::reloadForTests();
        server.setScript(ScoreServer::answer(c.body));
        driver.show(new StateDownloadFile(0, 0, ""));
        runUntilSwitch();
        driver.arrived<StateFailedToConnectToServer>(1);
        EXPECT_EQ(countRequestsStartingWith(server.requests(), "GET /GetScores_4"), 1);
        EXPECT_EQ(dir.readDocument("web_scores.txt"), old);
        EXPECT_FALSE(dir.documentExists("web_scores.txt.bad"));
        EXPECT_FALSE(dir.documentExists("web_scores.txt.tmp"));
        ScoresForALevel* world = Scores::getInstance()->getWebScoresForLevel(levelPath(0));
        ASSERT_NE(world, nullptr);
        ASSERT_EQ(world->scores.size(), 1u);
        EXPECT_EQ(world->scores[0]->name, "old");
        EXPECT_EQ(world->scores[0]->score, 10);
        driver.show(new ScriptedScreen());
    }
    // A server with no scores yet answers an empty list per level: taken.
    ScoreServer server("127.0.0.1", 80);
    ASSERT_TRUE(server.listening()) << server.bindError();
    server.emulate();
    driver.show(new StateDownloadFile(0, 0, ""));
    runUntilSwitch();
    driver.arrived<StateChooseLevel>(2);
    std::string none = "zorbix2\nv2\n";
    for (int i = 0; i < LevelList::getInstance()->getNumberOfLevels(); i++)
        none += levelPath(i) + "\n0\n";
    EXPECT_EQ(dir.readDocument("web_scores.txt"), none);
    EXPECT_TRUE(Scores::getInstance()->getWebScoresForLevel(levelPath(0))->scores.empty());
    EXPECT_FALSE(dir.documentExists("web_scores.txt.bad"));
}

TEST_F(ScreensOnline, FailureAndCancelKeepTheOldDocument) {
    const std::string old = levelPath(0) + "\n1\nold\n10\n3\n2\n";
    {
        // No listener at all: the failure shows on the first active frame.
        dir.writeDocument("web_scores.txt", old);
        driver.show(new StateDownloadFile(0, 0, ""));
        driver.frame();
        driver.arrived<StateFailedToConnectToServer>(1);
        EXPECT_EQ(dir.readDocument("web_scores.txt"), old);
    }
    {
        ScoreServer server("127.0.0.1", 80);
        ASSERT_TRUE(server.listening()) << server.bindError();
        ScoreServer::Script silent;
        silent.end = ScoreServer::SILENCE;
        server.setScript(silent);
        StateDownloadFile* screen = new StateDownloadFile(0, 0, "");
        driver.show(screen);
        driver.run(3);
        driver.tap(screen->getCancelButton());
        driver.arrived<StateChooseLevel>(2);
        EXPECT_EQ(dir.readDocument("web_scores.txt"), old);
    }
    {
        // A world list that cannot be written: the old document stays.
        ScoreServer server("127.0.0.1", 80);
        ASSERT_TRUE(server.listening()) << server.bindError();
        server.emulate();
        SavedValue<bool> failing(DocumentWriteFaults::failWrite, true);
        driver.show(new StateDownloadFile(0, 0, ""));
        runUntilSwitch();
        driver.arrived<StateChooseLevel>(2);
        EXPECT_EQ(dir.readDocument("web_scores.txt"), old);
    }
}

TEST_F(ScreensOnline, AReplayDownloadEndsByWhatCameBack) {
    int own = playAndKeep(777);
    ASSERT_GE(own, 0);
    std::string valid = dir.readDocument(Replay::getPath(own, false));
    ASSERT_FALSE(valid.empty());
    // The same replay, but of a level outside the catalogue: well formed, not playable.
    std::string unplayable = valid;
    unplayable.replace(0, unplayable.find('\n'), "/data/levels/nowhere.lua");
    ASSERT_TRUE(Replay::isReplayValid(Replay::getPath(own, false)));
    struct Case {
        const char* name;
        std::string body;
        bool playback, missing, kept;
    } cases[] = {
        {"valid", valid, true, false, true},
        {"not available", "not available\n", false, true, false},
        {"garbage", "garbage", false, false, false},
        {"unplayable", unplayable, false, false, false},
    };
    int id = 40;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScoreServer server("127.0.0.1", 80);
        ASSERT_TRUE(server.listening()) << server.bindError();
        server.setScript(ScoreServer::answer(c.body));
        driver.show(new StateDownloadFile(1, ++id, "far away"));
        runUntilSwitch();
        if (c.playback)
            driver.arrived<StatePlay>(2);
        else if (c.missing)
            driver.arrived<StateReplayDoesNotExist>(2);
        else
            driver.arrived<StateFailedToConnectToServer>(1);
        EXPECT_EQ(dir.documentExists(Replay::getPath(id, true)), c.kept);
        driver.show(new ScriptedScreen());
    }
}

// A first visit: the suggestion skipped, an infinity game played from the
// title, its score kept, no second game, the world list fetched, and back to
// the title; every switch is one switch of the expected type.
TEST_F(ScreensOnline, WalkFromTheTitleThroughAGameAndTheWorldList) {
    ScoreServer server("127.0.0.1", 80);
    ASSERT_TRUE(server.listening()) << server.bindError();
    server.emulate();
    StateFirstMenu* title = new StateFirstMenu();
    driver.show(title);
    driver.tap(title->getMenu()->getPlayButton());
    StateSuggestTuto* suggestion = driver.arrived<StateSuggestTuto>(1);
    ASSERT_NE(suggestion, nullptr);
    driver.tap(suggestion->getSkipButton());
    StateChooseGameType* type = driver.arrived<StateChooseGameType>(1);
    ASSERT_NE(type, nullptr);
    driver.tap(type->getInfinityButton());
    StateChooseInfinity* infinity = driver.arrived<StateChooseInfinity>(1);
    ASSERT_NE(infinity, nullptr);
    driver.run(30);
    driver.tap(infinity->getPanel()->getButtons()[0]->getButton());
    StateChooseLevel* level = driver.arrived<StateChooseLevel>(1);
    ASSERT_NE(level, nullptr);
    driver.run(30);
    driver.tap(level->getPanel()->getStartButton());
    StateShowInfo* info = driver.arrived<StateShowInfo>(1);
    ASSERT_NE(info, nullptr);
    driver.tap(info->getOkButton());
    driver.arrived<StatePlay>(1);
    finishGame(2500);
    StateConfirmScore* entry = driver.arrived<StateConfirmScore>(2);
    ASSERT_NE(entry, nullptr);
    driver.tap(entry->getOkButton());
    StateRestartGame* again = driver.arrived<StateRestartGame>(2);
    ASSERT_NE(again, nullptr);
    driver.tap(again->getNoButton());
    level = driver.arrived<StateChooseLevel>(2);
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(level->getLevelNumber(), 0);
    driver.run(30);
    bool wasLocal = level->getPanel()->getIsShowingLocalScores();
    driver.tap(level->getPanel()->getToggle()->getButton());
    EXPECT_NE(level->getPanel()->getIsShowingLocalScores(), wasLocal);
    if (level->getPanel()->getIsShowingLocalScores())
        driver.tap(level->getPanel()->getToggle()->getButton());
    driver.tap(level->getPanel()->getThirdButton());
    driver.arrived<StateDownloadFile>(1);
    runUntilSwitch();
    level = driver.arrived<StateChooseLevel>(2);
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(countRequestsStartingWith(server.requests(), "GET /GetScores_4"), 1);
    driver.key("Escape");
    driver.arrived<StateChooseInfinity>(2);
    driver.key("Escape");
    driver.arrived<StateChooseGameType>(2);
    driver.key("Escape");
    driver.arrived<StateFirstMenu>(2);
    Preferences::reloadForTests();
    EXPECT_TRUE(Preferences::getInstance()->get_hasDoneTutorial());
}

TEST_F(ScreensOnline, TheLevelScreenUploads) {
    ScoreServer server("127.0.0.1", 80);
    ASSERT_TRUE(server.listening()) << server.bindError();
    Preferences::getInstance()->set_isShowingLocalScores(true);
    StateChooseLevel* level = new StateChooseLevel(2);
    driver.show(level);
    driver.run(30);
    ASSERT_TRUE(level->getPanel()->getIsShowingLocalScores());
    driver.tap(level->getPanel()->getThirdButton());
    driver.arrived<StateSendScores>(1);
    // Nothing to send: back at once, to the level chosen last.
    driver.frame();
    level = driver.arrived<StateChooseLevel>(2);
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(level->getLevelNumber(), 2);
    EXPECT_TRUE(server.requests().empty());
}
