// High scores: ranking rules, the exact local and world files, their check
// values, and hostile score files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <functional>

#include "core/myfopen.h"
#include "levelplay/LevelList.h"
#include "savedata/Scores.h"
#include "support/StateGuards.h"
#include "support/TempGameDir.h"

namespace {
const std::string assault = "/data/levels/infinity/assault/assault.lua";
const std::string emptyAssaultHash = "9B6BD110A3E259FAEE662A13CDD1CA9AC3D72B03EA55FB5A27965D9CC4BF6FE6";
const std::string oneScoreAssaultHash = "55810F069E30553E25264828DFFA36330EE73D066E03E764A143C439C38CBB2B";

class ScoresTest : public ::testing::Test {
protected:
    void TearDown() override {
        delete Scores::instance;
        Scores::instance = nullptr;
    }
    Scores* reload() {
        Scores::reloadForTests();
        return Scores::getInstance();
    }
    // The local file of eight empty levels, or with one level's block replaced.
    static std::string localFile(const std::string& assaultBlock = "") {
        std::string out = "zorbix2\nv2\n";
        for (int i = 0; i < LevelList::getInstance()->getNumberOfLevels(); i++) {
            std::string path = LevelList::getInstance()->getLevelInformation(i)->path;
            if (path == assault && !assaultBlock.empty()) {
                out += assaultBlock;
                continue;
            }
            ScoresForALevel empty(path);
            out += path + "\n0\n" + empty.getHashFromLoadedData() + "\n";
        }
        return out;
    }
    static std::string worldFile(const std::string& assaultBlock = "") {
        std::string out = "zorbix2\nv2\n";
        for (int i = 0; i < LevelList::getInstance()->getNumberOfLevels(); i++) {
            std::string path = LevelList::getInstance()->getLevelInformation(i)->path;
            out += path == assault && !assaultBlock.empty() ? assaultBlock : path + "\n0\n";
        }
        return out;
    }
    std::vector<int> points(const std::string& level) {
        std::vector<int> out;
        for (Score* s : Scores::getInstance()->getLocalScoresForLevel(level)->scores)
            out.push_back(s->score);
        return out;
    }
    TempGameDir dir;
};
}  // namespace

TEST_F(ScoresTest, CheckValuesArePinned) {
    ScoresForALevel level(assault);
    EXPECT_EQ(level.getHashFromLoadedData(), emptyAssaultHash);
    level.addScore("AB", 1234, 7, 1700000000, 2);
    EXPECT_EQ(level.getHashFromLoadedData(), oneScoreAssaultHash);
}

TEST_F(ScoresTest, FirstStartWritesExactEmptyFiles) {
    reload();
    EXPECT_EQ(dir.readDocument("local_scores.txt"), localFile());
    EXPECT_EQ(dir.readDocument("web_scores.txt"), worldFile());
    EXPECT_FALSE(dir.documentExists("local_scores.txt.bad"));
    EXPECT_FALSE(dir.documentExists("local_scores.txt.tmp"));
}

TEST_F(ScoresTest, AddedScoreIsWrittenByteExactAndReadBack) {
    EXPECT_TRUE(reload()->addLocalScore(assault, "AB", 1234, 7, 1700000000, 2));
    std::string block = assault + "\n1\n" + oneScoreAssaultHash + "\nAB\n1234\n7\n1700000000\n2\n";
    EXPECT_EQ(dir.readDocument("local_scores.txt"), localFile(block));
    EXPECT_EQ(Scores::getInstance()->local->text(), localFile(block));
    // The file's bytes read in memory give the same table, bound to no file.
    ScoresForAllTheLevels inMemory(false);
    ASSERT_TRUE(inMemory.readText(localFile(block)));
    EXPECT_EQ(inMemory.getScoresForLevel(assault)->scores.size(), 1u);
    EXPECT_FALSE(inMemory.write());
    ScoresForALevel* list = reload()->getLocalScoresForLevel(assault);
    ASSERT_EQ(list->scores.size(), 1u);
    EXPECT_EQ(list->scores[0]->name, "AB");
    EXPECT_EQ(list->scores[0]->time, 1700000000);
    EXPECT_FALSE(dir.documentExists("local_scores.txt.bad"));
}

TEST_F(ScoresTest, RankingRules) {
    ScoresForALevel level(assault);
    // A list of nine takes anything, zero and negatives included.
    for (int i = 1; i <= 8; i++)
        EXPECT_TRUE(level.addScore("n", i * 100, i, i, 2));
    EXPECT_TRUE(level.addScore("zero", 0, 9, 9, 2));
    EXPECT_TRUE(level.addScore("minus", INT_MIN, 10, 10, 2));
    ASSERT_EQ(level.scores.size(), 10u);
    // Equal to the tenth: rejected; one more: sorted in, the tenth goes.
    EXPECT_FALSE(level.addScore("equal", INT_MIN, 11, 11, 2));
    EXPECT_TRUE(level.addScore("more", INT_MIN + 1, 12, 12, 2));
    EXPECT_EQ(level.scores.back()->name, "more");
    EXPECT_TRUE(level.addScore("max", INT_MAX, 13, 13, 2));
    EXPECT_EQ(level.scores.front()->score, INT_MAX);
    // Ties: the newer game ranks first.
    EXPECT_TRUE(level.addScore("older", 450, 14, 100, 2));
    EXPECT_TRUE(level.addScore("newer", 450, 15, 200, 2));
    std::vector<std::string> names;
    for (Score* s : level.scores)
        names.push_back(s->name);
    std::vector<std::string> expected = {"max", "n", "n", "n", "n", "newer", "older", "n", "n", "n"};
    EXPECT_EQ(names, expected);
    for (size_t i = 1; i < level.scores.size(); i++)
        EXPECT_LE(scoreCompareInC(&level.scores[i - 1], &level.scores[i]), 0);
}

TEST_F(ScoresTest, CompareDoesNotOverflow) {
    Score low("a", INT_MIN, 0, 0, 2), high("b", INT_MAX, 0, 0, 2);
    Score* a = &low;
    Score* b = &high;
    EXPECT_GT(scoreCompareInC(&a, &b), 0);
    EXPECT_LT(scoreCompareInC(&b, &a), 0);
    Score early("c", 5, 0, INT_MIN, 2), late("d", 5, 0, INT_MAX, 2);
    a = &early;
    b = &late;
    EXPECT_GT(scoreCompareInC(&a, &b), 0);
}

TEST_F(ScoresTest, UnknownLevelIsDroppedAndFileUntouched) {
    reload();
    std::string before = dir.readDocument("local_scores.txt");
    EXPECT_FALSE(Scores::getInstance()->addLocalScore("/data/levels/nowhere.lua", "AB", 5, 1, 1, 2));
    EXPECT_EQ(dir.readDocument("local_scores.txt"), before);
}

TEST_F(ScoresTest, NamesAreStoredSoTheFileReadsBack) {
    Scores* scores = reload();
    EXPECT_TRUE(scores->addLocalScore(assault, "", 1, 1, 1, 2));
    EXPECT_TRUE(scores->addLocalScore(assault, std::string("a\r\nb\0c", 6), 2, 2, 2, 2));
    EXPECT_TRUE(scores->addLocalScore(assault, "%s%n%x", 3, 3, 3, 2));
    EXPECT_EQ(points(assault), (std::vector<int>{3, 2, 1}));
    reload();
    EXPECT_FALSE(dir.documentExists("local_scores.txt.bad"));
    ScoresForALevel* list = Scores::getInstance()->getLocalScoresForLevel(assault);
    ASSERT_EQ(list->scores.size(), 3u);
    EXPECT_EQ(list->scores[0]->name, "%s%n%x");
    EXPECT_EQ(list->scores[1]->name, "abc");
    EXPECT_EQ(list->scores[2]->name, "^3Zorbix ^wfan");
}

TEST_F(ScoresTest, NamesOfEveryByteReadBack) {
    Scores* scores = reload();
    std::string level = LevelList::getInstance()->getLevelInformation(0)->path;
    for (int first = 1; first < 256; first += 10) {
        std::string name;
        for (int c = first; c < first + 10 && c < 256; c++)
            name += (char)c;
        scores->addLocalScore(level, name, first, first, first, 2);
    }
    std::vector<std::string> names;
    for (Score* s : scores->getLocalScoresForLevel(level)->scores)
        names.push_back(s->name);
    reload();
    EXPECT_FALSE(dir.documentExists("local_scores.txt.bad"));
    std::vector<std::string> read;
    for (Score* s : Scores::getInstance()->getLocalScoresForLevel(level)->scores)
        read.push_back(s->name);
    EXPECT_EQ(read, names);
    EXPECT_EQ(read.size(), 10u);
}

TEST_F(ScoresTest, NegativeCountReadsAsEmptyList) {
    ScoresForALevel empty(assault);
    dir.writeDocument("local_scores.txt", localFile(assault + "\n-3\n" + empty.getHashFromLoadedData() + "\n"));
    EXPECT_TRUE(reload()->getLocalScoresForLevel(assault)->scores.empty());
    EXPECT_FALSE(dir.documentExists("local_scores.txt.bad"));
}

TEST_F(ScoresTest, WorldFileReadsFourLinesPerScoreAndDropsExtraBlocks) {
    dir.writeDocument("web_scores.txt", worldFile(assault + "\n2\nX\n900\n5\n3\nY\n800\n6\n3\n") + "/extra.lua\n0\n");
    Scores* scores = reload();
    ScoresForALevel* list = scores->getWebScoresForLevel(assault);
    ASSERT_EQ(list->scores.size(), 2u);
    EXPECT_EQ(list->scores[1]->name, "Y");
    EXPECT_EQ(list->scores[1]->replay, 6);
    EXPECT_EQ(list->scores[1]->fourth, 3);
    EXPECT_EQ(list->scores[1]->time, 0);
    EXPECT_EQ(scores->getWebScoresForLevel("/extra.lua"), nullptr);
}

TEST_F(ScoresTest, EveryLineEndTheReaderKnowsReadsTheSameScores) {
    std::string local = localFile(assault + "\n1\n" + oneScoreAssaultHash + "\nAB\n1234\n7\n1700000000\n2\n");
    std::string world = worldFile(assault + "\n2\nX\n900\n5\n3\nY\n800\n6\n3\n");
    for (const std::string end : {"\n", "\r", "\r\n", "\n\r"}) {
        SCOPED_TRACE(end == "\r" ? "CR" : end == "\n" ? "LF" : end == "\r\n" ? "CR LF" : "LF CR");
        auto withEnds = [&end](std::string text) {
            std::string out;
            for (char c : text)
                out += c == '\n' ? end : std::string(1, c);
            return out;
        };
        dir.writeDocument("local_scores.txt", withEnds(local));
        dir.writeDocument("web_scores.txt", withEnds(world));
        Scores* scores = reload();
        EXPECT_FALSE(dir.documentExists("local_scores.txt.bad"));
        EXPECT_FALSE(dir.documentExists("web_scores.txt.bad"));
        ASSERT_EQ(points(assault), std::vector<int>{1234});
        EXPECT_EQ(scores->getLocalScoresForLevel(assault)->scores[0]->name, "AB");
        ASSERT_EQ(scores->getWebScoresForLevel(assault)->scores.size(), 2u);
        EXPECT_EQ(scores->getWebScoresForLevel(assault)->scores[1]->name, "Y");
        // A new score rewrites the local file with LF, which reads back whole.
        EXPECT_TRUE(scores->addLocalScore(assault, "CD", 99, 8, 1700000001, 2));
        EXPECT_EQ(reload()->getLocalScoresForLevel(assault)->scores.size(), 2u);
        EXPECT_FALSE(dir.documentExists("local_scores.txt.bad"));
    }
}

// Every damaged file gives empty lists, a rewrite, and what was there kept as .bad.
TEST_F(ScoresTest, HostileLocalFilesAreKeptAsBadAndRebuilt) {
    std::string block = assault + "\n1\n" + oneScoreAssaultHash + "\nAB\n1234\n7\n1700000000\n2\n";
    std::string good = localFile(block);
    std::string digitChanged = good;
    digitChanged[digitChanged.find("1234")] = '2';
    std::string lowerHash = good;
    size_t at = lowerHash.find(oneScoreAssaultHash);
    for (size_t i = at; i < at + 64; i++)
        lowerHash[i] = (char)tolower(lowerHash[i]);
    std::vector<std::pair<std::string, std::string>> cases = {
        {"one digit changed", digitChanged},
        {"lower-case hash", lowerHash},
        {"huge count", localFile(assault + "\n2000000000\n" + oneScoreAssaultHash + "\n")},
        {"too few blocks", good.substr(0, good.find(LevelList::getInstance()->getLevelInformation(7)->path))},
        {"wrong header", "zorbix2\nv3\n" + good.substr(11)},
        {"blank lines", "zorbix2\r\r\rv2\r\r\r"},
        {"CR-only line as name", localFile(assault + "\n1\n" + oneScoreAssaultHash + "\n\r\n1234\n7\n1700000000\n2\n")},
        {"CR inside a name line",
         localFile(assault + "\n1\n" + oneScoreAssaultHash + "\n0\r\r\n1234\n7\n1700000000\n2\n")},
        {"binary", std::string("\0\xff\x01zorbix2", 10)},
        {"larger than any download", good + std::string(16 * 1024 * 1024, '\n')},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.first);
        dir.writeDocument("local_scores.txt", c.second);
        dir.writeDocument("local_scores.txt.bad", "");
        Scores* scores = reload();
        EXPECT_TRUE(scores->getLocalScoresForLevel(assault)->scores.empty());
        EXPECT_EQ(dir.readDocument("local_scores.txt"), localFile());
        EXPECT_EQ(dir.readDocument("local_scores.txt.bad"), c.second);
    }
    // One with no end (a link to a device) is kept as it stands, never read.
    std::string path = dir.root + "/data/local_scores.txt";
    ASSERT_EQ(unlink(path.c_str()), 0);
    ASSERT_EQ(symlink("/dev/zero", path.c_str()), 0);
    reload();
    EXPECT_EQ(dir.readDocument("local_scores.txt"), localFile());
    char target[16] = {};
    EXPECT_EQ(readlink((path + ".bad").c_str(), target, sizeof target - 1), 9);
    EXPECT_STREQ(target, "/dev/zero");
}

TEST_F(ScoresTest, EveryCutOfAGoodFileFailsCleanly) {
    Scores* scores = reload();
    scores->addLocalScore(assault, "AB", 1234, 7, 1700000000, 2);
    scores->addLocalScore(LevelList::getInstance()->getLevelInformation(7)->path, "CD", 99, 8, 1700000001, 2);
    std::string good = dir.readDocument("local_scores.txt");
    // A cut that ends inside the last line end still reads whole.
    for (size_t cut = 0; cut + 1 < good.size(); cut++) {
        dir.writeDocument("local_scores.txt", good.substr(0, cut));
        ScoresForAllTheLevels table(false, "local_scores.txt");
        ASSERT_EQ(table.levels.size(), 8u) << cut;
        ASSERT_TRUE(table.getScoresForLevel(assault)->scores.empty()) << cut;
        ASSERT_EQ(dir.readDocument("local_scores.txt.bad"), good.substr(0, cut)) << cut;
    }
}

TEST_F(ScoresTest, HostileWorldFilesAreRebuiltEmpty) {
    std::vector<std::string> cases = {
        worldFile().substr(0, worldFile().size() / 2),
        worldFile(assault + "\n3\nX\n1\n"),
        worldFile(assault + "\n1\nX\nnine\n1\n2\n"),
        // A NUL would cut a name or level line short; found by fuzzing.
        worldFile(assault + std::string("\n1\nX\0Y\n1\n2\n3\n", 13)),
        std::string("zorbix2\nv2\n\0\0", 13) + worldFile().substr(11),
        // A third line end in a row reads as an empty line; an empty name
        // would be written back as a line end that merges with the one before.
        worldFile(assault + "\n1\n\n\n1\n2\n3\n"),
        worldFile("\r\n0\n"),
    };
    for (const std::string& c : cases) {
        dir.writeDocument("web_scores.txt", c);
        Scores* scores = reload();
        EXPECT_TRUE(scores->getWebScoresForLevel(assault)->scores.empty());
        EXPECT_EQ(dir.readDocument("web_scores.txt"), worldFile());
        EXPECT_EQ(dir.readDocument("web_scores.txt.bad"), c);
    }
}

// The score is kept for the session, and the save it skips is told, as a
// failed save is; the start-up, which saves nothing of the player's, says nothing.
TEST_F(ScoresTest, UnopenableFileIsNeverOverwritten) {
    // A link to itself exists but never opens (ELOOP, even for root).
    std::string path = dir.root + "/data/local_scores.txt";
    ASSERT_EQ(symlink("local_scores.txt", path.c_str()), 0);
    testing::internal::CaptureStderr();
    Scores* scores = reload();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_TRUE(scores->getLocalScoresForLevel(assault)->scores.empty());
    testing::internal::CaptureStderr();
    EXPECT_TRUE(scores->addLocalScore(assault, "AB", 5, 1, 1, 2));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "cannot save " + path + ": " + strerror(ELOOP) + "\n");
    EXPECT_EQ(points(assault), std::vector<int>{5});
    struct stat info;
    ASSERT_EQ(lstat(path.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_FALSE(dir.documentExists("local_scores.txt.bad"));
    EXPECT_FALSE(dir.documentExists("local_scores.txt.tmp"));
}

// A file that fails to read and cannot be moved to "<name>.bad" (a folder
// holding a file stands there) is kept byte for byte, as an unopenable one
// is: the rebuilt table serves the session, and each save says it was not made.
TEST_F(ScoresTest, FileThatCannotBeMovedAsideIsNeverOverwritten) {
    struct Case {
        const char* file;
        ScoresForAllTheLevels* Scores::*table;
        std::function<void(Scores*)> save;
    } cases[] = {
        {"local_scores.txt", &Scores::local,
         [](Scores* s) { EXPECT_TRUE(s->addLocalScore(assault, "AB", 5, 1, 1, 2)); }},
        {"web_scores.txt", &Scores::web,
         [](Scores* s) {
             EXPECT_TRUE(s->web->addScore(assault, "W", 5, 3, 0, 2));
             EXPECT_FALSE(s->web->write());
         }},
    };
    const std::string damaged = "zorbix2\nv2\n" + assault + "\nnine\n";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        std::string path = dir.root + "/data/" + c.file;
        dir.writeDocument(c.file, damaged);
        ASSERT_EQ(mkdir((path + ".bad").c_str(), 0700), 0);
        dir.writeDocument(std::string(c.file) + ".bad/x", "");
        testing::internal::CaptureStderr();
        Scores* scores = reload();
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        EXPECT_EQ(dir.readDocument(c.file), damaged);
        testing::internal::CaptureStderr();
        c.save(scores);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "cannot save " + path + ": " + strerror(EISDIR) + "\n");
        ScoresForALevel* list = (scores->*c.table)->getScoresForLevel(assault);
        ASSERT_EQ(list->scores.size(), 1u);
        EXPECT_EQ(list->scores[0]->score, 5);
        EXPECT_EQ(dir.readDocument(c.file), damaged);
        EXPECT_FALSE(dir.documentExists(std::string(c.file) + ".tmp"));
    }
}

TEST_F(ScoresTest, ReloadWebScoresReadsTheNewFile) {
    Scores* scores = reload();
    dir.writeDocument("web_scores.txt", worldFile(assault + "\n1\nW\n42\n3\n2\n"));
    scores->reloadWebScores();
    ASSERT_EQ(scores->getWebScoresForLevel(assault)->scores.size(), 1u);
    EXPECT_EQ(scores->getWebScoresForLevel(assault)->scores[0]->score, 42);
}

TEST_F(ScoresTest, ADownloadedWorldFileReplacesOnlyWhenItReadsAsOne) {
    const std::string old = worldFile(assault + "\n1\nOld\n7\n3\n2\n");
    const std::string scored = worldFile(assault + "\n2\nX\n900\n5\n3\nY\n800\n6\n3\n");
    struct Case {
        const char* name;
        std::string body;
        size_t assaultScores;  // after the answer; 1 is the old table
    } cases[] = {
        {"world list", scored, 2},
        {"CR LF world list", "zorbix2\r\nv2\r\n" + assault + "\r\n0\r\n" + worldFile().substr(11), 0},
        {"no scores yet", worldFile(), 0},
        {"maintenance page", "<!DOCTYPE html>\n<html><body>Back soon</body></html>\n", 1},
        {"nothing", "", 1},
        {"cut short", scored.substr(0, scored.size() - 3), 1},
        {"header only", "zorbix2\nv2\n", 1},
        {"local file", localFile(), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dir.writeDocument("web_scores.txt", old);
        Scores* scores = reload();
        bool reads = c.assaultScores != 1;
        EXPECT_EQ(scores->replaceWebScores(c.body), reads ? Scores::WEB_SCORES_REPLACED : Scores::WEB_SCORES_REFUSED);
        EXPECT_EQ(dir.readDocument("web_scores.txt"), reads ? c.body : old);
        EXPECT_EQ(scores->getWebScoresForLevel(assault)->scores.size(), c.assaultScores);
        EXPECT_FALSE(dir.documentExists("web_scores.txt.bad"));
        EXPECT_FALSE(dir.documentExists("web_scores.txt.tmp"));
    }
    // A list that cannot be written leaves the file and the table as they were.
    dir.writeDocument("web_scores.txt", old);
    Scores* scores = reload();
    {
        SavedValue<bool> failing(DocumentWriteFaults::failWrite, true);
        EXPECT_EQ(scores->replaceWebScores(scored), Scores::WEB_SCORES_NOT_WRITTEN);
    }
    EXPECT_EQ(dir.readDocument("web_scores.txt"), old);
    ASSERT_EQ(scores->getWebScoresForLevel(assault)->scores.size(), 1u);
    EXPECT_EQ(scores->getWebScoresForLevel(assault)->scores[0]->name, "Old");
}
