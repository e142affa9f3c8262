// The campaign levels of the script store, each run on the play screen:
// their shape after init, a scripted win and a scripted loss at the lowest
// and the highest difficulty (through the levelTest hooks each level
// carries: the level's own pilot where it has one), and that no two levels
// play alike. The unused levels keep the same hooks.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <typeinfo>
#include <vector>

#include "actors/Player.h"
#include "core/CollisionShape.h"
#include "core/Quad.h"
#include "core/ReactsToWeaponOrPlayer.h"
#include "core/SpacePartition.h"
#include "core/WallsSpacePartitioner.h"
#include "levelplay/LevelEntry.h"
#include "levelplay/LevelList.h"
#include "levelplay/SimulatedInput.h"
#include "savedata/Achievements.h"
#include "script/LuaRuntime.h"
#include "support/PlayTestSupport.h"

namespace {

// Steps within which a scripted game must end.
const int kStepLimit = 36000;
// The C generator's seed before each game.
const unsigned kGameSeed = 2;
// The pilots also win at these seeds (the sweep of scripts/sweep.sh holds them
// to ten).
const unsigned kMoreSeeds[] = {6};
// How often the win hook is called again while the game goes on (new waves).
const int kWinEvery = 30;

// The levels of one campaign that the store holds, in catalogue order.
std::vector<std::string> campaignLevels(int campaign) {
    std::vector<std::string> paths;
    LevelList* list = LevelList::getInstance();
    for (int i = 0; i < list->getNumberOfCampaignLevels(campaign); i++) {
        std::string path = list->getCampaign(campaign)->get(i)->path;
        if (LuaScriptList::getInstance()->fileExist(path))
            paths.push_back(path);
    }
    return paths;
}

// The campaign levels that the store holds, in catalogue order.
std::vector<std::string> campaignLevels() {
    std::vector<std::string> paths;
    for (int c = 0; c < LevelList::getInstance()->getNumberOfCampaigns(); c++) {
        std::vector<std::string> levels = campaignLevels(c);
        paths.insert(paths.end(), levels.begin(), levels.end());
    }
    return paths;
}

// The campaigns whose scripted games run as cases of their own, so that they
// can run side by side; the case past them plays the unused levels.
const int kCampaigns = 3;

// The levels the catalogue does not name, reached by their paths.
const char* const kUnusedLevels[] = {
    "/data/levels/campaign2/UNUSED/1and1/1and1.lua",
    "/data/levels/campaign2/UNUSED/bomb/bomb.lua",
    "/data/levels/campaign2/UNUSED/boss1 re/boss1 re.lua",
    "/data/levels/campaign2/UNUSED/space oddity/space oddity.lua",
    "/data/levels/campaign2/UNUSED/symmetry/symmetry.lua",
    "/data/levels/campaign2/UNUSED/training/training.lua",
};

// Whether the level defines levelTest.pilot.
bool hasPilot(lua_State* L) {
    int top = lua_gettop(L);
    lua_getglobal(L, "levelTest");
    bool found = false;
    if (lua_istable(L, -1)) {
        lua_getfield(L, -1, "pilot");
        found = lua_isfunction(L, -1);
    }
    lua_settop(L, top);
    return found;
}

// Calls levelTest[name]() in the level's state; false when the hook is missing
// or fails (the message in *error).
bool callHook(lua_State* L, const char* name, std::string* error) {
    int top = lua_gettop(L);
    lua_getglobal(L, "levelTest");
    bool ok = false;
    if (lua_istable(L, -1)) {
        lua_getfield(L, -1, name);
        if (lua_isfunction(L, -1)) {
            ok = lua_pcall(L, 0, 0, 0) == 0;
            if (!ok)
                *error = lua_tostring(L, -1) ? lua_tostring(L, -1) : "?";
        } else {
            *error = std::string("no levelTest.") + name;
        }
    } else {
        *error = "no levelTest table";
    }
    lua_settop(L, top);
    return ok;
}

// Whether the four corners go round the quad one way, without a dent.
bool isConvexInOrder(const Quad& q) {
    const Coord* c[4] = {&q.corner1, &q.corner2, &q.corner3, &q.corner4};
    bool positive = false, negative = false;
    double area = 0;
    for (int k = 0; k < 4; k++) {
        const Coord &a = *c[k], &b = *c[(k + 1) % 4], &d = *c[(k + 2) % 4];
        double t = (double)(b.x - a.x) * (d.y - a.y) - (double)(b.y - a.y) * (d.x - a.x);
        positive |= t > 0;
        negative |= t < 0;
        area += (double)a.x * b.y - (double)b.x * a.y;
    }
    return area != 0 && !(positive && negative);
}

// A script error in a level's init or update ends the program with status 0,
// as in the game; while a level runs here, that exit is made a failure.
bool levelIsRunning = false;
void failWhenALevelEndsTheProgram() {
    if (levelIsRunning) {
        fprintf(stderr, "a level script error ended the program\n");
        _exit(1);
    }
}

class CampaignLevels : public playtest::RealLevelTest {
protected:
    void SetUp() override {
        static bool guarded = std::atexit(failWhenALevelEndsTheProgram) == 0;
        ASSERT_TRUE(guarded);
        levelIsRunning = true;
        playtest::RealLevelTest::SetUp();
    }
    void TearDown() override {
        levelIsRunning = false;
        playtest::PlayTest::TearDown();
    }

    // A campaign game reads the difficulty from the preferences (this test's
    // own, reloaded by the fixture).
    // The game's seed comes from the C generator, which the game seeds from
    // the clock: it is seeded here, so that every run plays the same games.
    StatePlay* start(const std::string& path, int difficulty, unsigned seed = kGameSeed) {
        Preferences::getInstance()->setDifficultySettings(difficulty);
        srand(seed);
        std::string error;
        StatePlay* play = newPlayScreenForLevel(path, &error);
        EXPECT_NE(play, nullptr) << path << ": " << error;
        return play;
    }

    // Runs the game to its end, calling the hook now and then; the score, or
    // -1 when the game has not ended within the limit.
    int playWith(const std::string& path, int difficulty, const char* hook, int every) {
        StatePlay* play = start(path, difficulty);
        if (!play)
            return -1;
        LevelRun run(play);
        return runWithHook(run, path, hook, every);
    }

    // Plays the game to a win: with the level's pilot on the sticks where it
    // has one (*piloted), else through its win hook. The score, or -1 when
    // the game has not ended within the limit; *steps: the steps played.
    int playToWin(const std::string& path, int difficulty, bool* piloted, int* steps, unsigned seed = kGameSeed) {
        StatePlay* play = start(path, difficulty, seed);
        if (!play)
            return -1;
        LevelRun run(play);
        *piloted = hasPilot(play->getLuaState());
        if (!*piloted)
            return runWithHook(run, path, "win", kWinEvery);
        SimulatedInput input;
        std::string error;
        EXPECT_TRUE(input.parse("pilot", &error));
        input.setPilotState(play->getLuaState());
        for (int step = 0; step < kStepLimit; step++) {
            int x[2], y[2];
            input.touchesForStep(step, StatePlay::joysticks, x, y);
            if (!input.pilotError().empty()) {
                ADD_FAILURE() << path << ": " << input.pilotError();
                return -1;
            }
            *steps = step + 1;
            if (!run.frame(x, y, false))
                return Game::getScore();
        }
        return -1;
    }

private:
    static int runWithHook(LevelRun& run, const std::string& path, const char* hook, int every) {
        std::string error;
        for (int step = 0; step < kStepLimit; step++) {
            if (step % every == 0 && !callHook(run.play->getLuaState(), hook, &error)) {
                ADD_FAILURE() << path << " " << hook << ": " << error;
                return -1;
            }
            if (!idle(run))
                return Game::getScore();
        }
        return -1;
    }
};

}  // namespace

TEST_F(CampaignLevels, ShapeAfterInit) {
    for (const std::string& path : campaignLevels()) {
        SCOPED_TRACE(path);
        StatePlay* play = start(path, 0);
        if (!play)
            continue;
        LevelRun run(play);
        int players = 0, targets = 0;
        Coord size = SpacePartition::boundaries;
        EXPECT_FALSE(size.x == 100.0f && size.y == 100.0f) << "default boundaries";
        auto inside = [&](float x, float y) { return x >= 0 && y >= 0 && x <= size.x && y <= size.y; };
        for (Entity* e : Entity::entityVector) {
            if (!e)
                continue;
            players += dynamic_cast<Player*>(e) != nullptr;
            targets += dynamic_cast<ReactsToWeaponOrPlayer*>(e) != nullptr;
            EXPECT_TRUE(inside(e->position.x, e->position.y))
                << typeid(*e).name() << " at " << e->position.x << ", " << e->position.y;
        }
        EXPECT_EQ(players, 1);
        EXPECT_GE(targets, 1) << "no enemy, target or goal";
        for (CollisionShape* s : CollisionShape::wsp->shapes) {
            EXPECT_TRUE(inside(s->getLeftMostPoint(), s->getLowestPoint()) &&
                        inside(s->getRightMostPoint(), s->getHighestPoint()))
                << "shape " << s->getLeftMostPoint() << ".." << s->getRightMostPoint() << " x " << s->getLowestPoint()
                << ".." << s->getHighestPoint();
            if (Quad* q = dynamic_cast<Quad*>(s)) {
                EXPECT_TRUE(isConvexInOrder(*q))
                    << "quad " << q->corner1.x << "," << q->corner1.y << " " << q->corner2.x << "," << q->corner2.y
                    << " " << q->corner3.x << "," << q->corner3.y << " " << q->corner4.x << "," << q->corner4.y;
            }
        }
    }
}

class CampaignScriptedGames : public CampaignLevels, public ::testing::WithParamInterface<int> {};

// Parameter: a campaign, or kCampaigns for the unused levels.
TEST_P(CampaignScriptedGames, ScriptedWinsAndLossesAtEachEndOfTheDifficulty) {
    std::vector<std::string> levels;
    if (GetParam() < kCampaigns) {
        levels = campaignLevels(GetParam());
    } else {
        ASSERT_LE(LevelList::getInstance()->getNumberOfCampaigns(), kCampaigns) << "a campaign has no case";
        levels.assign(std::begin(kUnusedLevels), std::end(kUnusedLevels));
    }
    EXPECT_FALSE(levels.empty());
    for (const std::string& path : levels) {
        ASSERT_TRUE(LuaScriptList::getInstance()->fileExist(path)) << path;
        for (int difficulty : {0, 2}) {
            SCOPED_TRACE(path + " at difficulty " + std::to_string(difficulty));
            bool piloted = false;
            int steps = 0, score = playToWin(path, difficulty, &piloted, &steps);
            EXPECT_GT(score, 0) << (piloted ? "the pilot did not win" : "the win hook did not win");
            if (piloted) {
                printf("[ pilot    ] %s at difficulty %i: score %i after %i steps\n", path.c_str(), difficulty, score,
                       steps);
                for (unsigned seed : kMoreSeeds) {
                    EXPECT_GT(playToWin(path, difficulty, &piloted, &steps, seed), 0)
                        << "the pilot did not win with seed " << seed;
                }
            }
            EXPECT_EQ(playWith(path, difficulty, "lose", kStepLimit), 0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EachCampaignAndTheUnusedLevels, CampaignScriptedGames, ::testing::Range(0, kCampaigns + 1));

// What 600 steps of random sticks leave behind: the map size, the number of
// wall shapes and the live actors by kind.
TEST_F(CampaignLevels, NoTwoLevelsPlayAlike) {
    std::map<std::string, std::string> levelOf;
    for (const std::string& path : campaignLevels()) {
        StatePlay* play = start(path, 0);
        if (!play)
            continue;
        LevelRun run(play);
        SimulatedInput input;
        std::string error;
        ASSERT_TRUE(input.parse("random:1", &error));
        for (int step = 0; step < 600; step++) {
            int x[2], y[2];
            input.touchesForStep(step, StatePlay::joysticks, x, y);
            if (!run.frame(x, y, false))
                break;
        }
        std::map<std::string, int> kinds;
        for (Entity* e : Entity::entityVector)
            if (e && !e->toBeDeleted)
                kinds[typeid(*e).name()]++;
        std::string signature = std::to_string((int)SpacePartition::boundaries.x) + "x" +
                                std::to_string((int)SpacePartition::boundaries.y) + " shapes " +
                                std::to_string(CollisionShape::wsp->shapes.size());
        for (auto& k : kinds)
            signature += " " + k.first + ":" + std::to_string(k.second);
        // "I'll be back" runs the script of "The Two Brothers".
        bool shared = path.find("/just going through/") != std::string::npos;
        if (!shared) {
            EXPECT_EQ(levelOf.count(signature), 0u) << path << " plays like " << levelOf[signature];
            levelOf[signature] = path;
        }
    }
}

// "I'll be back" plays the Two Brothers' script, and its win is its own.
TEST_F(CampaignLevels, IllBeBackRunsTheTwoBrothersUnderItsOwnPath) {
    const std::string path = "/data/levels/campaign2/just going through/just going through.lua";
    if (!LuaScriptList::getInstance()->fileExist(path))
        GTEST_SKIP() << "not in the store";
    {
        StatePlay* play = start(path, 0);
        ASSERT_NE(play, nullptr);
        LevelRun run(play);
        lua_State* L = play->getLuaState();
        lua_getglobal(L, "init");
        lua_getfield(L, LUA_GLOBALSINDEX, "package");
        lua_getfield(L, -1, "loaded");
        lua_getfield(L, -1, "/data/levels/campaign2/two brothers/two brothers.lua");
        EXPECT_FALSE(lua_isnil(L, -1)) << "the two brothers' script is not loaded";
        lua_settop(L, 0);
        EXPECT_EQ((int)SpacePartition::boundaries.x, 2000);
    }
    // The achievements of this test's own game folder.
    Achievements::reloadForTests();
    std::string brothers = "/data/levels/campaign2/two brothers/two brothers.lua";
    std::string own = path;
    EXPECT_FALSE(Achievements::getInstance()->isCampaignLevelFinished(own, 0));
    EXPECT_GT(playWith(path, 0, "win", kWinEvery), 0);
    EXPECT_TRUE(Achievements::getInstance()->isCampaignLevelFinished(own, 0));
    EXPECT_FALSE(Achievements::getInstance()->isCampaignLevelFinished(brothers, 0));
    Achievements::reloadForTests();
}
