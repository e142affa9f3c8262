// Achievements: the fresh file, best times, unlocks, percentages, old and
// damaged files, and files that try to run code.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

#include "levelplay/LevelList.h"
#include "savedata/Achievements.h"
#include "script/LuaCommon.h"
#include "support/StateGuards.h"
#include "support/TempGameDir.h"

namespace {
class AchievementsTest : public ::testing::Test {
protected:
    void TearDown() override {
        delete Achievements::instance;
        Achievements::instance = nullptr;
    }
    Achievements* reload() {
        Achievements::reloadForTests();
        return Achievements::getInstance();
    }
    static std::string freshFile() {
        std::string out = "version = 3\n\nFinishedCampaignLevels = {\n";
        for (int c = 0; c < 3; c++)
            for (int i = 0; i < LevelList::getInstance()->getNumberOfCampaignLevels(c); i++)
                out += "\t\"" + LevelList::getInstance()->getCampaign(c)->get(i)->path +
                       "\", false, -1, false, -1, false, -1, \n";
        out += "}\n\nInfinityLevels = {\n";
        std::vector<std::string> paths;
        for (int i = 0; i < 8; i++)
            paths.push_back(LevelList::getInstance()->getLevelInformation(i)->path);
        std::sort(paths.begin(), paths.end());
        for (const std::string& p : paths)
            out += "\t\"" + p + "\", true, false, false, false,\n";
        return out + "}\n\n";
    }
    std::string level(int campaign, int i) { return LevelList::getInstance()->getCampaign(campaign)->get(i)->path; }
    // Every campaign level finished at every difficulty, in the time time(c, i, d) gives.
    template <class Time>
    void finishEveryLevel(Achievements* a, Time time) {
        for (int c = 0; c < 3; c++)
            for (int i = 0; i < LevelList::getInstance()->getNumberOfCampaignLevels(c); i++)
                for (int d = 0; d < 3; d++) {
                    std::string path = level(c, i);
                    a->setCampaignLevelIsFinished(path, d, time(c, i, d));
                }
    }
    TempGameDir dir;
};
}  // namespace

TEST_F(AchievementsTest, FreshStartWritesTheExactFile) {
    Achievements* a = reload();
    EXPECT_EQ(dir.readDocument("achievements.txt"), freshFile());
    for (int d = 0; d < 3; d++)
        EXPECT_EQ(a->getPercentageOfAllCampaignsDone(d), 0);
    EXPECT_EQ(a->getNumberOfGoldMedals() + a->getNumberOfSilverMedals() + a->getNumberOfBronzeMedals(), 0);
    EXPECT_EQ(a->achievementsText(), freshFile());
    // Reading the written file changes nothing, and the file is left as it is.
    std::string path = dir.root + "/data/achievements.txt";
    struct stat before, after;
    ASSERT_EQ(stat(path.c_str(), &before), 0);
    reload();
    ASSERT_EQ(stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(dir.readDocument("achievements.txt"), freshFile());
    EXPECT_FALSE(dir.documentExists("achievements.txt.bad"));
}

TEST_F(AchievementsTest, BestTimeIsKeptAndSurvivesTheFile) {
    Achievements* a = reload();
    std::string path = level(0, 3);
    a->setCampaignLevelIsFinished(path, 2, 900);
    a->setCampaignLevelIsFinished(path, 2, 1200);
    EXPECT_EQ(a->getCampaignLevelTime(path, 2), 900);
    a->setCampaignLevelIsFinished(path, 2, 800);
    EXPECT_EQ(a->getCampaignLevelTime(path, 2), 800);
    EXPECT_TRUE(a->writeAchievements());
    a = reload();
    EXPECT_EQ(a->getCampaignLevelTime(path, 2), 800);
    EXPECT_TRUE(a->isCampaignLevelFinished(path, 2));
    EXPECT_FALSE(a->isCampaignLevelFinished(path, 1));
    std::string unknown = "/data/levels/none.lua";
    EXPECT_EQ(a->getCampaignLevelTime(unknown, 0), -1);
    EXPECT_FALSE(a->isCampaignLevelFinished(unknown, 0));
    EXPECT_EQ(a->campaignResults[0].count(unknown), 0u);
}

TEST_F(AchievementsTest, PercentagesAndCampaignsDone) {
    Achievements* a = reload();
    for (int i = 0; i < 3; i++) {
        std::string path = level(1, i);
        a->setCampaignLevelIsFinished(path, 0, 100);
    }
    EXPECT_EQ(a->getPercentageOfCampaignDone(1, 0), 42);
    EXPECT_EQ(a->getPercentageOfCampaignDone(1, 1), 0);
    EXPECT_EQ(a->getPercentageOfAllCampaignsDone(0), 100 * 3 / 30);
    EXPECT_FALSE(a->isCampaignDone(1));
    std::string final1 = LevelList::getInstance()->getFinalLevelOfCampaign(1)->path;
    a->setCampaignLevelIsFinished(final1, 2, 5);
    EXPECT_TRUE(a->isCampaignDone(1, 2));
    EXPECT_TRUE(a->isCampaignDone(1));
}

TEST_F(AchievementsTest, Unlocks) {
    Achievements* a = reload();
    std::string path = level(2, 4);
    a->setCampaignLevelIsFinished(path, 1, 700);
    a->unlockCampaign();
    for (int c = 0; c < 3; c++) {
        EXPECT_TRUE(a->isCampaignDone(c));
        for (int d = 0; d < 3; d++)
            EXPECT_EQ(a->getPercentageOfCampaignDone(c, d), 100);
    }
    EXPECT_EQ(a->getCampaignLevelTime(path, 1), -1);
    std::string extra = "/data/levels/extra.lua";
    a->getInfinityMapResults(extra);
    a->unlockMedals();
    EXPECT_EQ(a->getNumberOfGoldMedals(), 9);
    EXPECT_EQ(a->getNumberOfSilverMedals(), 9);
    EXPECT_EQ(a->getNumberOfBronzeMedals(), 9);
    // Both unlocks wrote the file; the extra infinity record goes with it.
    a = reload();
    EXPECT_EQ(a->getNumberOfGoldMedals(), 9);
    EXPECT_EQ(a->getPercentageOfAllCampaignsDone(2), 100);
}

TEST_F(AchievementsTest, VersionTwoRowSetsDifficultyOneOnly) {
    std::string path = level(0, 1);
    dir.writeDocument("achievements.txt", "version = 2\nFinishedCampaignLevels = { \"" + path + "\", true, 700 }\n");
    Achievements* a = reload();
    EXPECT_TRUE(a->isCampaignLevelFinished(path, 1));
    EXPECT_EQ(a->getCampaignLevelTime(path, 1), 700);
    EXPECT_FALSE(a->isCampaignLevelFinished(path, 0));
    EXPECT_FALSE(a->isCampaignLevelFinished(path, 2));
    EXPECT_NE(dir.readDocument("achievements.txt").find("version = 3"), std::string::npos);
}

TEST_F(AchievementsTest, OddRowsAndValues) {
    std::string path = level(0, 0);
    std::string infinity = LevelList::getInstance()->getLevelInformation(2)->path;
    dir.writeDocument("achievements.txt",
                      "version = 3\nFinishedCampaignLevels = {\n"
                      "  {}, true, 1, true, 2, true, 3,\n"
                      "  \"" +
                          path +
                          "\", 0, \"fast\", false, 5, false, 6,\n"
                          "  42, true, 1, true, 1, true, 1 }\n"
                          "InfinityLevels = { \"" +
                          infinity +
                          "\", false, true, 0, false,\n"
                          "  \"q\\\"uote\\n\", true, true, true, true }\n");
    Achievements* a = reload();
    // 0 is true in the script language; a time that is no number reads as 0.
    EXPECT_TRUE(a->isCampaignLevelFinished(path, 0));
    EXPECT_EQ(a->getCampaignLevelTime(path, 0), 0);
    EXPECT_FALSE(a->isCampaignLevelFinished(path, 1));
    std::string numbered = "42";
    EXPECT_TRUE(a->isCampaignLevelFinished(numbered, 2));
    std::string quoted = "q\"uote\n";
    EXPECT_TRUE(a->getInfinityMapResults(quoted)->gold);
    EXPECT_FALSE(a->getInfinityMapResults(infinity)->first);
    EXPECT_TRUE(a->getInfinityMapResults(infinity)->gold);
    EXPECT_TRUE(a->getInfinityMapResults(infinity)->silver);
    EXPECT_FALSE(a->getInfinityMapResults(infinity)->bronze);
    EXPECT_EQ(a->getNumberOfGoldMedals(), 2);
    // The odd path is written escaped and reads back.
    a = reload();
    EXPECT_TRUE(a->getInfinityMapResults(quoted)->bronze);
    EXPECT_FALSE(dir.documentExists("achievements.txt.bad"));
}

// A best time counts frames, or is -1 for none: a negative one in the file
// reads as none, so that whatever the file holds is saved as a text that reads
// back as itself (the smallest number would come back one higher).
TEST_F(AchievementsTest, NegativeTimesReadAsNone) {
    std::string path = level(0, 0);
    dir.writeDocument("achievements.txt", "version = 3\nFinishedCampaignLevels = { \"" + path +
                                              "\", true, -7, true, -2147483647 - 1, true, 12 }\n");
    Achievements* a = reload();
    EXPECT_EQ(a->getCampaignLevelTime(path, 0), -1);
    EXPECT_EQ(a->getCampaignLevelTime(path, 1), -1);
    EXPECT_EQ(a->getCampaignLevelTime(path, 2), 12);
    EXPECT_TRUE(a->isCampaignLevelFinished(path, 1));
    std::string saved = a->achievementsText();
    a->resetToCatalogue();
    EXPECT_TRUE(a->readAchievementsText(saved));
    EXPECT_EQ(a->achievementsText(), saved);
}

TEST_F(AchievementsTest, TruncatedFileKeepsItsInfinityRows) {
    Achievements* a = reload();
    std::string infinity = LevelList::getInstance()->getLevelInformation(5)->path;
    a->getInfinityMapResults(infinity)->silver = true;
    std::string path = level(0, 2);
    a->setCampaignLevelIsFinished(path, 0, 10);
    a->writeAchievements();
    std::string whole = dir.readDocument("achievements.txt");
    // Cut inside the last row ("symbiosis"): every complete row is kept.
    std::string cut = whole.substr(0, whole.size() - 20);
    dir.writeDocument("achievements.txt", cut);
    a = reload();
    EXPECT_TRUE(a->getInfinityMapResults(infinity)->silver);
    EXPECT_TRUE(a->isCampaignLevelFinished(path, 0));
    EXPECT_EQ(dir.readDocument("achievements.txt.bad"), cut);
    // A cut inside the campaign rows keeps the complete ones before it.
    cut = whole.substr(0, whole.find(level(0, 4)) + 10);
    dir.writeDocument("achievements.txt", cut);
    a = reload();
    EXPECT_TRUE(a->isCampaignLevelFinished(path, 0));
    EXPECT_FALSE(a->getInfinityMapResults(infinity)->silver);
}

// The largest file the game writes (every level finished at every difficulty
// with the longest time, every medal) reads whole, far inside the reader's
// limits: a file with ten times as many bytes of rows reads whole too.
TEST_F(AchievementsTest, TheLargestFileReadsWholeWithRoomToSpare) {
    Achievements* a = reload();
    finishEveryLevel(a, [](int, int, int) { return INT_MAX; });
    a->unlockMedals();
    std::string largest = dir.readDocument("achievements.txt");
    std::string tenfold = largest;
    for (int k = 0; tenfold.size() < 10 * largest.size(); k++) {
        std::string path = level(2, 0) + std::to_string(k);
        a->getInfinityMapResults(path)->gold = true;
        tenfold = a->achievementsText();
    }
    for (const std::string& text : {largest, tenfold}) {
        a->resetToCatalogue();
        EXPECT_TRUE(a->readAchievementsText(text));
        EXPECT_EQ(a->achievementsText(), text);
    }
}

// Only a file cut short is salvaged: one that ends as the writer ends it is
// read as it stands, with no table closed for it.
TEST_F(AchievementsTest, AFileThatEndsAsWrittenIsNotSalvaged) {
    reload()->unlockMedals();
    std::string damaged = dir.readDocument("achievements.txt");
    // A brace slipped into the last row leaves its table open.
    damaged.insert(damaged.rfind("\t\"") + 1, "{");
    dir.writeDocument("achievements.txt", damaged);
    EXPECT_EQ(reload()->getNumberOfGoldMedals(), 0);
    EXPECT_EQ(dir.readDocument("achievements.txt.bad"), damaged);
}

// A read that the machine holds up (load, a suspend, a debugger) reads what
// an idle machine reads: the file stays as it is, every level finished.
TEST_F(AchievementsTest, AReadHeldUpKeepsEveryLevel) {
    Achievements* a = reload();
    finishEveryLevel(a, [](int c, int i, int d) { return 1000 * c + 10 * i + d; });
    ASSERT_TRUE(a->writeAchievements());
    std::string written = dir.readDocument("achievements.txt");
    {
        SavedValue<void (*)()> heldUp(DocumentScriptState::whileRunning, [] { usleep(300 * 1000); });
        a = reload();
    }
    for (int d = 0; d < 3; d++)
        EXPECT_EQ(a->getPercentageOfAllCampaignsDone(d), 100);
    EXPECT_EQ(a->achievementsText(), written);
    EXPECT_EQ(dir.readDocument("achievements.txt"), written);
    EXPECT_FALSE(dir.documentExists("achievements.txt.bad"));
}

TEST_F(AchievementsTest, HostileChunksHaveNoEffectAndStayBounded) {
    std::string marker = dir.root + "/data/owned";
    std::vector<std::pair<std::string, std::string>> cases = {
        {"os.execute", "os.execute('touch " + marker + "')\n"},
        {"io.open", "io.open('" + marker + "', 'w')\n"},
        {"require", "require('os')\n"},
        {"endless loop", "while true do end\n"},
        {"endless recursion", "local function f() return 1 + f() end f()\n"},
        {"string growth", "local s = 'x' while true do s = s .. s end\n"},
        {"table growth", "local t = {} local i = 1 while true do t[i] = i i = i + 1 end\n"},
        {"bytecode", std::string("\x1bLua\x51\x00\x01\x04\x04\x04\x04\x00", 12)},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.first);
        std::string text = c.second[0] == '\x1b'
                               ? c.second
                               : "version = 3\nInfinityLevels = { \"/x\", true, true, true, true }\n" + c.second;
        dir.writeDocument("achievements.txt", text);
        Achievements* a = reload();
        EXPECT_EQ(access(marker.c_str(), F_OK), -1);
        std::string x = "/x";
        if (c.second[0] != '\x1b') {
            EXPECT_TRUE(a->getInfinityMapResults(x)->gold);
        }
        EXPECT_EQ(dir.readDocument("achievements.txt.bad"), text);
        EXPECT_NE(dir.readDocument("achievements.txt").find("version = 3"), std::string::npos);
    }
}

TEST_F(AchievementsTest, UnopenableFileIsNeverOverwritten) {
    std::string path = dir.root + "/data/achievements.txt";
    ASSERT_EQ(symlink("achievements.txt", path.c_str()), 0);
    testing::internal::CaptureStderr();
    Achievements* a = reload();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    // A save skipped is told as a failed one.
    testing::internal::CaptureStderr();
    EXPECT_FALSE(a->writeAchievements());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "cannot save " + path + ": " + strerror(ELOOP) + "\n");
    struct stat info;
    ASSERT_EQ(lstat(path.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
}

// A file that fails to read and cannot be moved to "<name>.bad" (a folder
// holding a file stands there) is kept byte for byte, as an unopenable one is;
// what was read of it still serves the session.
TEST_F(AchievementsTest, FileThatCannotBeMovedAsideIsNeverOverwritten) {
    std::string path = dir.root + "/data/achievements.txt";
    // Cut short after one complete row, which is salvaged.
    const std::string damaged = "version = 3\n\nInfinityLevels = {\n\t\"/x\", true, true, false, false,\n\t\"/y";
    dir.writeDocument("achievements.txt", damaged);
    ASSERT_EQ(mkdir((path + ".bad").c_str(), 0700), 0);
    dir.writeDocument("achievements.txt.bad/x", "");
    testing::internal::CaptureStderr();
    Achievements* a = reload();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(dir.readDocument("achievements.txt"), damaged);
    std::string x = "/x", finished = level(0, 0);
    EXPECT_TRUE(a->getInfinityMapResults(x)->gold);
    a->setCampaignLevelIsFinished(finished, 1, 500);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(a->writeAchievements());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "cannot save " + path + ": " + strerror(EISDIR) + "\n");
    EXPECT_EQ(a->getCampaignLevelTime(finished, 1), 500);
    EXPECT_EQ(dir.readDocument("achievements.txt"), damaged);
    EXPECT_FALSE(dir.documentExists("achievements.txt.tmp"));
}
