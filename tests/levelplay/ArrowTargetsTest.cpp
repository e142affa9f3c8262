// What the levels point at and listen for through their enemies' handles,
// in real games: an arrow shown points at a live enemy of the level, never at
// an empty place nor at a new object made where a gone enemy was, and a
// helicopter's rotor is heard only where a helicopter flies.
#include <gtest/gtest.h>

#include <cmath>
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

// The copy of the sounds a level plays, and the churn below, as script.
const char* const kWatch = R"(
    rotors = {}
    local play = zorbix.playSound
    zorbix.playSound = function(name, ...)
        if name == "/data/sounds/copter.caf" then
            rotors[#rotors + 1] = { ... }
        end
        return play(name, ...)
    end
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
)";

// Whether a helicopter flies at (x, y).
bool helicopterAt(float x, float y) {
    for (Entity* e : Entity::entityVector)
        if (dynamic_cast<Helicopter*>(e) && std::fabs(e->position.x - x) <= 1.0f &&
            std::fabs(e->position.y - y) <= 1.0f)
            return true;
    return false;
}

}  // namespace

// A long game is stood for by a short one in which many objects are made
// and destroyed every step (kChurn, through stir): the memory of a gone enemy
// soon serves a new object, here one of the ship's bullets, made beside the
// ship. Enemies, an unheard helicopter among them, are destroyed at the
// start; the ship, given lives to spare, never shoots.
TEST_F(ArrowTargets, LevelsFollowAndHearOnlyTheirLiveEnemies) {
    const int kSteps = 400;
    const int kChurn = 60;
    const struct {
        const char* level;
        const char* destroy;
        bool arrowOnEnemies;
    } cases[] = {
        {"/data/levels/campaign1/matador/matador.lua",
         "zorbix.setEntityDestroy(enemies[1]) zorbix.setEntityDestroy(helicopters[1])", true},
        {"/data/levels/campaign2/fusion part 1/fusion part 1.lua", "zorbix.setEntityDestroy(helicopters[1])", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.level);
        StatePlay* play = start(c.level, 2, 1);
        ASSERT_NE(play, nullptr);
        LevelRun run(play);
        lua_State* L = play->getLuaState();
        ASSERT_EQ(luaL_dostring(L, kWatch), 0) << lua_tostring(L, -1);
        ASSERT_EQ(luaL_dostring(L, c.destroy), 0) << lua_tostring(L, -1);
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
            lua_getglobal(L, "rotors");
            for (int k = 1; k <= (int)lua_objlen(L, -1); k++) {
                lua_rawgeti(L, -1, k);
                lua_rawgeti(L, -1, 1);
                lua_rawgeti(L, -2, 2);
                float x = (float)lua_tonumber(L, -2), y = (float)lua_tonumber(L, -1);
                lua_pop(L, 3);
                EXPECT_TRUE(helicopterAt(x, y))
                    << "step " << step << ": a rotor heard at (" << x << ", " << y << ") where no helicopter flies";
            }
            lua_pop(L, 1);
            ASSERT_EQ(luaL_dostring(L, "rotors = {}"), 0);
        }
        // The Matador's enemies were out of sight all along: its arrow
        // pointed at one every step.
        EXPECT_EQ(pointed, c.arrowOnEnemies ? kSteps : 0);
    }
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
        // The sticks are the process's: the pilot lets go of them.
        int none[2] = {-1, -1};
        StatePlay::joysticks->update(none, none);
    }
    // The games saw both: the arrow on a snake, and hidden.
    EXPECT_GT(shown, 0);
    EXPECT_GT(hidden, 0);
}
