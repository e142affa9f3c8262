// What the levels point at through their enemies' handles, in real games:
// an arrow shown points at a live enemy of the level, never at an empty place
// nor at a new object made where a gone enemy was.
#include <gtest/gtest.h>

#include <string>
#include <typeinfo>

#include "actors/Helicopter.h"
#include "actors/SnakeElement.h"
#include "actors/Sucider.h"
#include "levelplay/LevelEntry.h"
#include "levelplay/SimulatedInput.h"
#include "script/LuaRuntime.h"
#include "support/PlayTestSupport.h"

namespace {

// The arrow of the level: whether it is shown, and the object it is set on
// (nullptr when it has none, or when that object is gone).
struct ArrowState {
    bool shown = false;
    bool set = false;
    Entity* target = nullptr;
};

ArrowState arrowState(lua_State* L) {
    ArrowState a;
    lua_getglobal(L, "arrow");
    lua_getfield(L, -1, "hidden");
    a.shown = !lua_toboolean(L, -1);
    lua_getfield(L, -2, "targetEntity");
    a.set = !lua_isnil(L, -1);
    void* p = lua_touserdata(L, -1);
    a.target = Entity::isLive(p) ? static_cast<Entity*>(p) : nullptr;
    lua_pop(L, 3);
    return a;
}

std::string named(Entity* e) { return e ? typeid(*e).name() : "a gone object"; }

class ArrowTargets : public playtest::RealLevelTest {
protected:
    StatePlay* start(const char* path, int difficulty, unsigned seed) {
        Preferences::getInstance()->setDifficultySettings(difficulty);
        srand(seed);
        std::string error;
        StatePlay* play = newPlayScreenForLevel(path, &error);
        EXPECT_NE(play, nullptr) << error;
        return play;
    }
};

}  // namespace

// A long game is stood for by a short one in which many objects are made
// and destroyed every step: the memory of a gone enemy soon serves a new
// object, here one of the ship's bullets, made beside the ship. Two enemies
// are destroyed at the start; the ship, given lives to spare, never shoots.
TEST_F(ArrowTargets, MatadorFollowsOnlyItsLiveEnemies) {
    const int kSteps = 400;
    // Bullets made and destroyed each step.
    const int kChurn = 60;
    StatePlay* play = start("/data/levels/campaign1/matador/matador.lua", 2, 1);
    ASSERT_NE(play, nullptr);
    LevelRun run(play);
    lua_State* L = play->getLuaState();
    ASSERT_EQ(luaL_dostring(L, R"(
        zorbix.setEntityDestroy(enemies[1])
        zorbix.setEntityDestroy(helicopters[1].handle)
        churn = {}
        function stir(n)
            for k = 1, #churn do
                zorbix.setEntityDestroy(churn[k])
            end
            local x, y = zorbix.getEntityX(playerShip), zorbix.getEntityY(playerShip)
            for k = 1, n do
                churn[k] = zorbix.newPlayerBullet(x, y, 0, 0, 0)
            end
        end
    )"),
              0)
        << lua_tostring(L, -1);
    const int none[2] = {-1, -1};
    const std::string stir = "player.lives = 9 stir(" + std::to_string(kChurn) + ")";
    int pointed = 0;
    for (int step = 0; step < kSteps; step++) {
        ASSERT_EQ(luaL_dostring(L, stir.c_str()), 0) << lua_tostring(L, -1);
        ASSERT_TRUE(run.frame(none, none, false)) << "the game ended at step " << step;
        ArrowState a = arrowState(L);
        if (a.set) {
            pointed++;
            ASSERT_TRUE(dynamic_cast<Sucider*>(a.target) || dynamic_cast<Helicopter*>(a.target))
                << "step " << step << ": the arrow is set on " << named(a.target);
        }
    }
    // The enemies were out of sight all along: the arrow pointed.
    EXPECT_EQ(pointed, kSteps);
}

// Digest played by its pilot: once a first head falls, the head that takes
// over has no handle, and the arrow, with no snake to point at, hides.
TEST_F(ArrowTargets, DigestPointsOnlyAtALiveSnakeOrHides) {
    const int kStepLimit = 36000;
    int shown = 0, hidden = 0;
    for (int difficulty : {0, 2}) {
        SCOPED_TRACE("difficulty " + std::to_string(difficulty));
        StatePlay* play = start("/data/levels/campaign0/digest/digest.lua", difficulty, 1);
        ASSERT_NE(play, nullptr);
        LevelRun run(play);
        lua_State* L = play->getLuaState();
        SimulatedInput input;
        std::string error;
        ASSERT_TRUE(input.parse("pilot", &error)) << error;
        input.setPilotState(L);
        int step = 0;
        for (; step < kStepLimit; step++) {
            int x[2], y[2];
            input.touchesForStep(step, StatePlay::joysticks, x, y);
            ASSERT_EQ(input.pilotError(), "");
            if (!run.frame(x, y, false))
                break;
            ArrowState a = arrowState(L);
            if (!a.shown) {
                hidden++;
                continue;
            }
            shown++;
            ASSERT_NE(dynamic_cast<SnakeElement*>(a.target), nullptr)
                << "step " << step << ": the arrow is shown, set on " << (a.set ? named(a.target) : "a place")
                << ", with " << SnakeElement::count << " snake parts";
        }
        EXPECT_LT(step, kStepLimit) << "the pilot's game did not end";
    }
    // The games saw both: the arrow on a snake, and hidden.
    EXPECT_GT(shown, 0);
    EXPECT_GT(hidden, 0);
}
