// Replays: the exact file bytes, round trips, ids that never overwrite and
// wrap, saves stopped at any step, failed writes, validity, hostile files
// and the clean-up of downloads.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>

#include "core/myfopen.h"
#include "levelplay/Replay.h"
#include "savedata/Preferences.h"
#include "support/FileSizeLimit.h"
#include "support/TempGameDir.h"

namespace {
const char* infinityPath = "/data/levels/infinity/assault/assault.lua";

class ReplayTest : public ::testing::Test {
protected:
    void SetUp() override { Preferences::reloadForTests(); }

    static SerializedJoystickData record(uint16_t move, uint16_t shoot) {
        SerializedJoystickData d;
        d.move = move;
        d.shoot = shoot;
        return d;
    }
    static Replay* recorded(std::vector<SerializedJoystickData> steps, std::string path = infinityPath, int ship = 2) {
        ReplayHeader h;
        h.levelPath = path;
        h.seed = 1234567;
        h.shipModel = ship;
        h.version = 1;
        Replay* r = new Replay(&h);
        for (SerializedJoystickData& d : steps)
            r->add(&d);
        return r;
    }
    // A replay file of the given header text and tail bytes.
    void writeFile(const std::string& name, const std::string& header, size_t tail) {
        dir.writeDocument(name, header + std::string(tail, '\x01'));
    }

    TempGameDir dir;
};
}  // namespace

TEST_F(ReplayTest, ThreeStepsGiveFiveLinesAndTwelveBytes) {
    // 0x0D0A: the first data byte is a line feed, the third a carriage return.
    Replay* r = recorded({record(0x0D0A, 0x8AD3), record(0x0000, 0xFFFF), record(0x1234, 0x0A0D)});
    ASSERT_EQ(r->save("replay_local_7.txt"), 1);
    std::string expected = std::string(infinityPath) + "\n1234567\n2\n1\n3\n" +
                           std::string("\x0A\x0D\xD3\x8A\x00\x00\xFF\xFF\x34\x12\x0D\x0A", 12);
    EXPECT_EQ(dir.readDocument("replay_local_7.txt"), expected);
    delete r;

    Replay loaded(7, false);
    EXPECT_TRUE(Replay::isReplayValid("replay_local_7.txt"));
    EXPECT_EQ(loaded.header->levelPath, infinityPath);
    EXPECT_EQ(loaded.header->seed, 1234567);
    EXPECT_EQ(loaded.header->shipModel, 2);
    EXPECT_EQ(loaded.header->version, 1);
    ASSERT_EQ(loaded.getSizeOfReplay(), 3);
    EXPECT_EQ(loaded.get(0)->move, 0x0D0A);
    EXPECT_EQ(loaded.get(0)->shoot, 0x8AD3);
    EXPECT_EQ(loaded.get(1)->shoot, 0xFFFF);
    EXPECT_EQ(loaded.get(2)->move, 0x1234);
    EXPECT_EQ(loaded.get(2)->shoot, 0x0A0D);
    // Past the end (or before the start): the first entry.
    EXPECT_EQ(loaded.get(3), loaded.get(0));
    EXPECT_EQ(loaded.get(-1), loaded.get(0));
}

TEST_F(ReplayTest, EmptyRecordSavesCountZeroAndPlaysZeros) {
    Replay* r = recorded({});
    ASSERT_EQ(r->save("replay_web_3.txt"), 1);
    EXPECT_EQ(dir.readDocument("replay_web_3.txt"), std::string(infinityPath) + "\n1234567\n2\n1\n0\n");
    // No entry to read: a zero record, however often it is asked for.
    r->get(0)->move = 77;
    EXPECT_EQ(r->get(5)->move, 0);
    EXPECT_EQ(r->get(0)->shoot, 0);
    delete r;
    EXPECT_TRUE(Replay::isReplayValid("replay_web_3.txt"));
    Replay loaded(3, true);
    EXPECT_EQ(loaded.getSizeOfReplay(), 0);
    EXPECT_EQ(loaded.get(0)->move, 0);
    EXPECT_EQ(loaded.header->seed, 1234567);
}

TEST_F(ReplayTest, ValidityOfWellFormedAndHostileFiles) {
    const std::string path = std::string(infinityPath) + "\n";
    struct Case {
        const char* name;
        std::string header;
        size_t tail;
        bool valid;
        int entries;  // after loading
    } cases[] = {
        {"three", path + "5\n0\n1\n3\n", 12, true, 3},
        {"eleven bytes", path + "5\n0\n1\n3\n", 11, false, 0},
        {"thirteen bytes", path + "5\n0\n1\n3\n", 13, false, 0},
        {"count zero", path + "5\n0\n1\n0\n", 0, true, 0},
        {"crlf lines", std::string(infinityPath) + "\r\n5\r\n0\r\n1\r\n1\r\n", 4, true, 1},
        {"2^30", path + "5\n0\n1\n1073741824\n", 4, false, 0},
        {"4N wraps to 4", path + "5\n0\n1\n1073741825\n", 4, false, 0},
        {"4N wraps to 0", path + "5\n0\n1\n-1073741824\n", 0, false, 0},
        {"minus one", path + "5\n0\n1\n-1\n", 0, false, 0},
        {"beyond int", path + "5\n0\n1\n99999999999\n", 4, false, 1},
        {"count without line end", path + "5\n0\n1\n0", 0, false, 1},
        {"truncated header", path + "5\n0\n", 0, false, 1},
        {"not a number", path + "five\n0\n1\n0\n", 0, false, 1},
        {"empty file", "", 0, false, 1},
        {"only a path", "/data/levels/infinity/assault/assault.lua", 0, false, 1},
    };
    for (const Case& c : cases) {
        writeFile("replay_web_9.txt", c.header, c.tail);
        EXPECT_EQ(Replay::isReplayValid("replay_web_9.txt"), c.valid) << c.name;
        Replay r(9, true);
        EXPECT_EQ(r.getSizeOfReplay(), c.entries) << c.name;
        EXPECT_EQ(r.get(0)->move, c.valid && c.entries > 0 ? 0x0101 : 0) << c.name;
    }
    EXPECT_FALSE(Replay::isReplayValid("replay_web_404.txt"));
    Replay missing(404, true);
    EXPECT_EQ(missing.getSizeOfReplay(), 1);
    EXPECT_EQ(missing.header->levelPath, "");
}

TEST_F(ReplayTest, OnlyInfinityLevelsWithARealShipArePlayable) {
    struct Case {
        std::string path;
        int ship;
        bool playable;
    } cases[] = {
        {infinityPath, 0, true},
        {infinityPath, 8, true},
        {infinityPath, 9, false},
        {infinityPath, 99, false},
        {infinityPath, -1, false},
        {"", 0, false},
        {"/data/graphics/shipGraphic.lua", 0, false},
        {"/data/levels/campaign0/digest/digest.lua", 0, false},
        {"/data/levels/campaign0/tutorial/tutorial.lua", 0, false},
    };
    for (const Case& c : cases) {
        Replay* r = recorded({record(1, 2)}, c.path, c.ship);
        ASSERT_EQ(r->save("replay_web_5.txt"), 1);
        delete r;
        EXPECT_TRUE(Replay::isReplayValid("replay_web_5.txt")) << c.path;
        EXPECT_EQ(Replay::isPlayable("replay_web_5.txt"), c.playable) << c.path << " ship " << c.ship;
    }
    EXPECT_FALSE(Replay::isPlayable("replay_web_404.txt"));
    writeFile("replay_web_6.txt", std::string(infinityPath) + "\n1\n0\n1\n2\n", 4);
    EXPECT_FALSE(Replay::isPlayable("replay_web_6.txt"));
}

TEST_F(ReplayTest, IdsAdvanceAndNeverOverwrite) {
    Replay* r = recorded({record(5, 6)});
    EXPECT_EQ(r->save(), 1);
    EXPECT_EQ(r->save(), 2);
    EXPECT_EQ(Preferences::getInstance()->getNextReplayId(), 3);
    EXPECT_TRUE(Replay::isReplayValid("replay_local_1.txt"));
    EXPECT_TRUE(Replay::isReplayValid("replay_local_2.txt"));

    // The preferences are lost while replays 1 and 2 stay, and 3 is taken by
    // something else: the next save takes 4 and keeps the others.
    dir.writeDocument("replay_local_3.txt", "keep");
    unlink((dir.root + "/data/prefs.txt").c_str());
    Preferences::reloadForTests();
    ASSERT_EQ(Preferences::getInstance()->getNextReplayId(), 1);
    std::string first = dir.readDocument("replay_local_1.txt");
    EXPECT_EQ(r->save(), 4);
    EXPECT_EQ(dir.readDocument("replay_local_1.txt"), first);
    EXPECT_EQ(dir.readDocument("replay_local_3.txt"), "keep");
    EXPECT_EQ(Preferences::getInstance()->getNextReplayId(), 5);
    // The counter is kept in the preferences file.
    Preferences::reloadForTests();
    EXPECT_EQ(Preferences::getInstance()->getNextReplayId(), 5);

    // At the top of the int range the counter wraps round to 1 and skips the
    // ids in use (1 to 4 here).
    Preferences::getInstance()->setNextReplayId(2147483647);
    EXPECT_EQ(r->save(), 2147483647);
    EXPECT_EQ(Preferences::getInstance()->getNextReplayId(), 1);
    EXPECT_EQ(r->save(), 5);
    EXPECT_EQ(r->save(), 6);
    EXPECT_EQ(dir.readDocument("replay_local_3.txt"), "keep");
    delete r;
}

TEST_F(ReplayTest, NextFreeIdWrapsAndSkipsIdsInUse) {
    const int top = 2147483647;
    struct Case {
        int from;
        std::set<int> used;
        int top, expected;
    } cases[] = {
        {1, {}, top, 1},       {5, {5, 6, 8}, top, 7},     {top, {}, top, top},
        {top, {top}, top, 1},  {top, {top, 1, 2}, top, 3}, {0, {}, top, 1},
        {-7, {1}, top, 2},     {3, {3, 1}, 3, 2},          {4, {2}, 3, 1},
        {2, {1, 2, 3}, 3, -1}, {1, {1, 2, 3, 9}, 3, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Replay::nextFreeId(c.from, c.used, c.top), c.expected) << c.from << " top " << c.top;
}

// A save stopped before any of its write steps (preferences and replay), as
// a kill would stop it, leaves no replay or the whole one; the next save
// after a restart works and leaves no temporary file.
TEST_F(ReplayTest, ASaveStoppedAtAnyStepLeavesNoReplayOrAWholeOne) {
    std::vector<SerializedJoystickData> steps;
    for (int i = 0; i < 36000; i++)
        steps.push_back(record((uint16_t)i, (uint16_t)(i * 7)));
    Replay* r = recorded(steps);
    ASSERT_EQ(r->save("whole.txt"), 1);
    const std::string whole = dir.readDocument("whole.txt");
    static int stopAt, reached;
    bool stopped = true;
    for (stopAt = 1; stopped && stopAt < 100; stopAt++) {
        SCOPED_TRACE(stopAt);
        TempGameDir run;
        Preferences::reloadForTests();
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            reached = 0;
            DocumentWriteFaults::beforeStep = [] {
                if (++reached == stopAt)
                    _exit(0);
            };
            r->save();
            _exit(3);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        stopped = WEXITSTATUS(status) == 0;
        if (run.documentExists("replay_local_1.txt"))
            EXPECT_EQ(run.readDocument("replay_local_1.txt"), whole);
        else
            EXPECT_TRUE(stopped);

        Preferences::reloadForTests();
        int id = r->save();
        ASSERT_GE(id, 1);
        EXPECT_EQ(run.readDocument(Replay::getPath(id, false)), whole);
        for (const std::string& name : listDocuments())
            EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
    }
    // Both writes were stopped at every step, and a save left alone ends.
    EXPECT_FALSE(stopped);
    EXPECT_GE(stopAt, 14);
    delete r;
}

TEST_F(ReplayTest, DamagedReplaysOfAnOlderBuildAreRefusedAndSkipped) {
    Replay* r = recorded({record(5, 6), record(7, 8)});
    ASSERT_EQ(r->save("full.txt"), 1);
    std::string full = dir.readDocument("full.txt");
    // What an interrupted in-place write left: an empty file and a cut one.
    dir.writeDocument("replay_local_1.txt", "");
    dir.writeDocument("replay_local_2.txt", full.substr(0, full.size() - 3));
    EXPECT_EQ(r->save(), 3);
    EXPECT_EQ(r->save(), 4);
    EXPECT_FALSE(Replay::isPlayable("replay_local_1.txt"));
    EXPECT_FALSE(Replay::isPlayable("replay_local_2.txt"));
    EXPECT_TRUE(Replay::isPlayable("replay_local_3.txt"));
    EXPECT_EQ(dir.readDocument("replay_local_2.txt"), full.substr(0, full.size() - 3));
    delete r;
}

TEST_F(ReplayTest, FailedWritesUseTheIdAndLeaveNoFile) {
    Replay* r = recorded({record(5, 6), record(7, 8)});
    {
        // The file is made but its bytes cannot be written.
        FileSizeLimit limit(0);
        EXPECT_EQ(r->save(), -1);
        EXPECT_EQ(r->save("replay_web_2.txt"), -1);
    }
    EXPECT_FALSE(dir.documentExists("replay_local_1.txt"));
    EXPECT_FALSE(dir.documentExists("replay_web_2.txt"));
    EXPECT_EQ(r->save(), 2);
    EXPECT_TRUE(Replay::isReplayValid("replay_local_2.txt"));

    // A folder where nothing can be made.
    if (geteuid() != 0) {
        chmod((dir.root + "/data").c_str(), 0555);
        EXPECT_EQ(r->save(), -1);
        chmod((dir.root + "/data").c_str(), 0755);
        EXPECT_EQ(r->save(), 4);
    }
    // A name that is a folder cannot be opened for writing.
    mkdir((dir.root + "/data/replay_web_8.txt").c_str(), 0755);
    EXPECT_EQ(r->save("replay_web_8.txt"), -1);
    delete r;
}

TEST_F(ReplayTest, NotAvailableAnswerAndExistence) {
    struct Case {
        std::string bytes;
        bool notAvailable;
    } cases[] = {
        {"not available", true},
        {"not available\n", true},
        {"not available\r\nmore\nlines\n", true},
        {"not availablex\n", false},
        {" not available\n", false},
        {"not availabl\n", false},
        {"", false},
        {"\nnot available\n", false},
    };
    for (const Case& c : cases) {
        dir.writeDocument("replay_web_1.txt", c.bytes);
        EXPECT_EQ(Replay::isReplayNotAvailableAnymore("replay_web_1.txt"), c.notAvailable) << c.bytes;
    }
    EXPECT_FALSE(Replay::isReplayNotAvailableAnymore("replay_web_2.txt"));

    EXPECT_TRUE(Replay::replayExists(1, true));
    EXPECT_FALSE(Replay::replayExists(1, false));
    EXPECT_EQ(Replay::getPath(12, true), "replay_web_12.txt");
    EXPECT_EQ(Replay::getPath(-3, false), "replay_local_-3.txt");
    Replay::tryTodeleteFile(1, true);
    EXPECT_FALSE(Replay::replayExists(1, true));
    Replay::tryTodeleteFile(1, true);
}

TEST_F(ReplayTest, CleanUpRemovesOnlyDownloadedReplays) {
    std::vector<std::string> names = {"replay_web_12.txt", "replay_local_3.txt", "replay_we", "replay_web",
                                      "prefs.txt"};
    for (const std::string& name : names)
        dir.writeDocument(name, "x");
    for (int i = -1; i <= (int)names.size(); i++)
        Replay::cleanupTheReplays(&names, i);
    EXPECT_FALSE(dir.documentExists("replay_web_12.txt"));
    EXPECT_FALSE(dir.documentExists("replay_web"));
    EXPECT_TRUE(dir.documentExists("replay_local_3.txt"));
    EXPECT_TRUE(dir.documentExists("replay_we"));
    EXPECT_TRUE(dir.documentExists("prefs.txt"));
}
