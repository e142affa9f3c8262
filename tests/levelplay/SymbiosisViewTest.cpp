// Symbiosis as the player sees it: with both sticks held toward a wall, the
// two ships fly to it and both stay inside the picture, at each of the four
// walls.
#include <gtest/gtest.h>

#include <string>

#include "actors/Player.h"
#include "actors/PlayerAlly.h"
#include "levelplay/LevelEntry.h"
#include "levelplay/SimulatedInput.h"
#include "script/LuaRuntime.h"
#include "support/PlayTestSupport.h"

namespace {

const char* const kLevel = "/data/levels/infinity/symbiosis/symbiosis.lua";
// Steps to cross the field and stand at the wall.
const int kSteps = 400;
// How far inside the picture a ship's centre must be for the whole ship
// to show, in world units.
const float kShipReach = 20.0f;

class SymbiosisView : public playtest::RealLevelTest {};

}  // namespace

TEST_F(SymbiosisView, BothShipsStayInThePictureAtEveryWall) {
    // World angles of the sticks: +x is up on the screen.
    const struct {
        const char* wall;
        int angle;
    } cases[] = {{"top", 0}, {"bottom", 180}, {"left", 90}, {"right", -90}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.wall);
        srand(1);
        std::string error;
        StatePlay* play = newPlayScreenForLevel(kLevel, &error);
        ASSERT_NE(play, nullptr) << error;
        LevelRun run(play);
        lua_State* L = play->getLuaState();
        // Both sticks held full toward the wall, through the pilot's way in.
        std::string hold = "levelTest.pilot = function() return " + std::to_string(c.angle) + ", 100, " +
                           std::to_string(c.angle) + ", 100 end";
        ASSERT_EQ(luaL_dostring(L, hold.c_str()), 0) << lua_tostring(L, -1);
        SimulatedInput input;
        ASSERT_TRUE(input.parse("pilot", &error)) << error;
        input.setPilotState(L);
        float worst = -1e9f;
        for (int step = 0; step < kSteps; step++) {
            ASSERT_EQ(luaL_dostring(L, "player.lives = 3"), 0);
            int x[2], y[2];
            input.touchesForStep(step, StatePlay::joysticks, x, y);
            ASSERT_TRUE(run.frame(x, y, false)) << "the game ended at step " << step;
            ASSERT_EQ(input.pilotError(), "");
            PlayerAlly* ally = Player::getAlly();
            ASSERT_NE(ally, nullptr);
            StatePlay::calculateCameraLimits();
            for (Entity* ship : {static_cast<Entity*>(Player::player), static_cast<Entity*>(ally)}) {
                float off = StatePlay::getMaxDistanceOffCamera(ship);
                if (step > kSteps / 2 && off > worst)
                    worst = off;
            }
        }
        // The farthest a ship's centre came to the picture's edge once at
        // the wall (negative: inside).
        EXPECT_LE(worst, -kShipReach);
        // The sticks are the process's: let go of them.
        idle(run);
    }
}
