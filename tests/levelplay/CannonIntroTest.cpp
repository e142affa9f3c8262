// Cannon Intro as the player meets it at the highest difficulty: over a few
// games of random input, a cannon fires only while it is in the picture or
// while the arrow points at it, so that no shot comes from a cannon the
// player has no way to see or find.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "levelplay/LevelEntry.h"
#include "levelplay/SimulatedInput.h"
#include "script/LuaRuntime.h"
#include "support/PlayTestSupport.h"

namespace {

const char* const kLevel = "/data/levels/campaign0/cannon intro/cannon intro.lua";
const int kSteps = 3600;
const int kSeeds[] = {1, 2, 3, 4, 5, 6, 7, 8};
// How far from a cannon's centre its shots leave the barrel, in world units.
const float kMuzzle = 40.0f;

// Every bullet the level fires goes into the list `shots` as {x, y}.
const char* const kRecordShots = R"(
    shots = {}
    local fire = zorbix.newBadBullet
    zorbix.newBadBullet = function(x, y, ...)
        shots[#shots + 1] = { x, y }
        return fire(x, y, ...)
    end
)";

// t[key] of the table on the top of the stack, as a number (0 when absent).
double field(lua_State* L, const char* key) {
    lua_getfield(L, -1, key);
    double v = lua_tonumber(L, -1);
    lua_pop(L, 1);
    return v;
}

bool flag(lua_State* L, const char* key) {
    lua_getfield(L, -1, key);
    bool v = lua_toboolean(L, -1) != 0;
    lua_pop(L, 1);
    return v;
}

class CannonIntro : public playtest::RealLevelTest {
protected:
    struct Tally {
        int shots = 0;
        std::string fault;  // the first shot from a cannon neither seen nor pointed at
    };

    // Judges the shots of the last step against the picture the step left.
    static void judgeShots(lua_State* L, int step, Tally* tally) {
        StatePlay::calculateCameraLimits();
        Coord camera = StatePlay::camera;
        lua_getglobal(L, "arrow");
        bool arrowShown = !flag(L, "hidden");
        double tx = field(L, "targetX"), ty = field(L, "targetY");
        lua_pop(L, 1);
        lua_getglobal(L, "shots");
        int n = (int)lua_objlen(L, -1);
        for (int i = 1; i <= n; i++) {
            lua_rawgeti(L, -1, i);
            lua_rawgeti(L, -1, 1);
            lua_rawgeti(L, -2, 2);
            double sx = lua_tonumber(L, -2), sy = lua_tonumber(L, -1);
            lua_pop(L, 3);
            // The cannon whose barrel it left.
            lua_getglobal(L, "cannons");
            bool found = false;
            for (int k = 1; k <= (int)lua_objlen(L, -1) && !found; k++) {
                lua_rawgeti(L, -1, k);
                double cx = field(L, "x"), cy = field(L, "y");
                lua_pop(L, 1);
                if (std::fabs(std::hypot(sx - cx, sy - cy) - kMuzzle) > 2.0)
                    continue;
                found = true;
                float offX = (float)std::fabs(cx - camera.x) - StatePlay::cameraVisibleLimitX;
                float offY = (float)std::fabs(cy - camera.y) - StatePlay::cameraVisibleLimitY;
                bool pointed = arrowShown && tx == cx && ty == cy;
                tally->shots++;
                if ((offX > 0 || offY > 0) && !pointed && tally->fault.empty())
                    tally->fault = "step " + std::to_string(step) + ": the cannon at (" + std::to_string((int)cx) +
                                   ", " + std::to_string((int)cy) + ") fired " +
                                   std::to_string((int)std::fmax(offX, offY)) +
                                   " units out of the picture, the arrow pointing elsewhere";
            }
            lua_pop(L, 1);
            EXPECT_TRUE(found) << "a shot at (" << sx << ", " << sy << ") from no cannon";
        }
        lua_pop(L, 1);
        luaL_dostring(L, "shots = {}");
    }
};

}  // namespace

TEST_F(CannonIntro, NoCannonFiresOutOfThePictureUnlessTheArrowPointsAtIt) {
    Preferences::getInstance()->setDifficultySettings(2);
    int shots = 0;
    for (int seed : kSeeds) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        srand(seed);
        std::string error;
        StatePlay* play = newPlayScreenForLevel(kLevel, &error);
        ASSERT_NE(play, nullptr) << error;
        LevelRun run(play);
        lua_State* L = play->getLuaState();
        ASSERT_EQ(luaL_dostring(L, kRecordShots), 0) << lua_tostring(L, -1);
        SimulatedInput input;
        ASSERT_TRUE(input.parse("random:" + std::to_string(seed), &error)) << error;
        Tally tally;
        for (int step = 0; step < kSteps; step++) {
            int x[2], y[2];
            input.touchesForStep(step, StatePlay::joysticks, x, y);
            if (!run.frame(x, y, false))
                break;
            judgeShots(L, step, &tally);
        }
        EXPECT_EQ(tally.fault, "");
        shots += tally.shots;
    }
    // The games met the cannons: the rule was put to the test.
    EXPECT_GT(shots, 20);
}
