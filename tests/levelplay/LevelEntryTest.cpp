// Starting a level or a replay without the menus: by index or path, from the
// environment, and the game's exit on a bad value.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "levelplay/LevelEntry.h"
#include "levelplay/Replay.h"
#include "screens/StateConfirmScore.h"
#include "screens/StateFirstMenu.h"
#include "screens/StateRestartGame.h"
#include "support/PlayTestSupport.h"

using namespace playtest;

namespace {
// Sets an environment variable for the life of the guard.
class EnvironmentGuard {
public:
    EnvironmentGuard(const char* name_, const char* value) : name(name_) {
        const char* old = getenv(name);
        had = old != nullptr;
        if (had)
            previous = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~EnvironmentGuard() {
        if (had)
            setenv(name, previous.c_str(), 1);
        else
            unsetenv(name);
    }

private:
    const char* name;
    bool had = false;
    std::string previous;
};

class LevelEntry : public PlayTest {
protected:
    // The mode of a play screen, told by where its end leads.
    static std::string modeOf(StatePlay* play) {
        LevelRun run(play);
        Game::setScore(0);
        StatePlay::gameIsFinished = true;
        idle(run);
        if (dynamic_cast<StateConfirmScore*>(run.next))
            return "infinity";
        if (dynamic_cast<StateRestartGame*>(run.next))
            return "campaign";
        if (dynamic_cast<StateFirstMenu*>(run.next))
            return "tutorial";
        return "?";
    }
};
}  // namespace

TEST_F(LevelEntry, LevelsByIndexOrPath) {
    const std::string unused = "/data/levels/unused/old/old.lua";
    addLevel(unused, countingLevel);
    struct Case {
        std::string level;
        const char* mode;
    } cases[] = {
        {"1002", "infinity"},       {infinityPath, "infinity"}, {"1", "campaign"},
        {campaignPath, "campaign"}, {tutorialPath, "tutorial"}, {unused, "campaign"},
    };
    for (const Case& c : cases) {
        std::string error;
        StatePlay* play = newPlayScreenForLevel(c.level, &error);
        ASSERT_NE(play, nullptr) << c.level << ": " << error;
        EXPECT_EQ(modeOf(play), c.mode) << c.level;
    }
    for (const char* bad : {"999", "1008", "-1", "12x", "", "/data/graphics/joystickGraphic.lua",
                            "/data/levels/infinity/nowhere/nowhere.lua", "99999999999"}) {
        std::string error;
        EXPECT_EQ(newPlayScreenForLevel(bad, &error), nullptr) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
}

TEST_F(LevelEntry, ReplaysFromTheEnvironment) {
    int id = recordGame(30);
    dir.writeDocument("replay_web_7.txt", infinityPath + "\n1\n0\n1\n1073741825\nabcd");
    std::string error;
    {
        EnvironmentGuard level("ZORBIX_LEVEL", nullptr), replay("ZORBIX_REPLAY", nullptr);
        EXPECT_EQ(playScreenFromEnvironment(&error), nullptr);
        EXPECT_EQ(error, "");
    }
    {
        EnvironmentGuard replay("ZORBIX_REPLAY", std::to_string(id).c_str()), web("ZORBIX_REPLAY_WEB", nullptr);
        State* screen = playScreenFromEnvironment(&error);
        ASSERT_NE(dynamic_cast<StatePlay*>(screen), nullptr) << error;
        EXPECT_EQ(static_cast<StatePlay*>(screen)->getReplay()->getSizeOfReplay(), 30);
        delete screen;
    }
    struct Bad {
        const char* id;
        const char* web;
    } bad[] = {{"7", "1"}, {"7", nullptr}, {"abc", nullptr}, {"-3", nullptr}, {"99999999999", nullptr}};
    for (const Bad& b : bad) {
        EnvironmentGuard replay("ZORBIX_REPLAY", b.id), web("ZORBIX_REPLAY_WEB", b.web);
        EXPECT_EQ(playScreenFromEnvironment(&error), nullptr) << b.id;
        EXPECT_NE(error.find("ZORBIX_REPLAY="), std::string::npos) << error;
    }
    EnvironmentGuard level("ZORBIX_LEVEL", "1010");
    EXPECT_EQ(playScreenFromEnvironment(&error), nullptr);
    EXPECT_EQ(error, "ZORBIX_LEVEL=1010: no level has the index 1010");
}

// A refused replay is refused for the first check it fails, and only that one is told.
TEST_F(LevelEntry, ARefusedReplayTellsItsOneCause) {
    std::string path = dir.root + "/data/replay_web_8.txt";
    struct Case {
        const char* name;
        std::string bytes;
        const char* message;
    } cases[] = {
        {"missing", "", "replay_web_8.txt does not exist"},
        {"header cut short", infinityPath + "\n1\n0\n", "replay_web_8.txt is damaged: "},
        {"length off by a byte", infinityPath + "\n1\n0\n1\n1\nabc", "replay_web_8.txt is damaged: "},
        {"campaign level", campaignPath + "\n1\n0\n1\n1\nabcd",
         "replay_web_8.txt is of \"/data/levels/campaign0/digest/digest.lua\", not of an infinity level"},
        {"unknown ship", infinityPath + "\n1\n9\n1\n1\nabcd", "replay_web_8.txt is of an unknown ship (9)"},
        // A name that is no readable file: a folder, and a device with no end.
        {"folder", "", "replay_web_8.txt cannot be read (it is a folder)"},
        {"endless", "", "replay_web_8.txt cannot be read (larger than 16777216 bytes)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        remove(path.c_str());
        if (!c.bytes.empty())
            dir.writeDocument("replay_web_8.txt", c.bytes);
        if (std::string(c.name) == "folder") {
            ASSERT_EQ(mkdir(path.c_str(), 0755), 0);
        } else if (std::string(c.name) == "endless") {
            ASSERT_EQ(symlink("/dev/zero", path.c_str()), 0);
        }
        std::string error;
        EXPECT_EQ(newPlaybackScreen(8, true, &error), nullptr);
        EXPECT_EQ(error.rfind(c.message, 0), 0u) << error;
    }
}

TEST_F(LevelEntry, TheGameExitsWithAMessageOnABadReplay) {
    dir.writeDocument("replay_web_7.txt", infinityPath + "\n1\n0\n1\n1073741825\nabcd");
    struct Case {
        const char* variables;
        const char* message;
    } cases[] = {
        {"ZORBIX_REPLAY=7 ZORBIX_REPLAY_WEB=1", "ZORBIX_REPLAY=7: replay_web_7.txt is damaged"},
        {"ZORBIX_REPLAY=12", "ZORBIX_REPLAY=12: replay_local_12.txt does not exist\n"},
        {"ZORBIX_REPLAY=x", "ZORBIX_REPLAY=x: expected a replay id"},
    };
    for (const Case& c : cases) {
        std::string command = std::string("ZORBIX_HEADLESS=1 ZORBIX_FRAMES=5 ALSOFT_DRIVERS=null ") + c.variables +
                              " '" ZORBIX_GAME_DIR "/zorbix2' 2>&1";
        FILE* p = popen(command.c_str(), "r");
        ASSERT_NE(p, nullptr);
        std::string out;
        char buffer[512];
        while (size_t n = fread(buffer, 1, sizeof buffer, p))
            out.append(buffer, n);
        int status = pclose(p);
        ASSERT_TRUE(WIFEXITED(status)) << out;
        EXPECT_EQ(WEXITSTATUS(status), 1) << out;
        EXPECT_NE(out.find(c.message), std::string::npos) << out;
    }
}
