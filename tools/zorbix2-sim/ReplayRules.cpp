// The replay rules of infinity levels as a check for the simulation tool.
//
// A replay stores only the sticks' input, so a level may not steer its game
// by anything else: the clock or files (os, io), the "Ok" button (never
// recorded), the difficulty (a replay always runs at 0) or the music.
#include "ReplayRules.h"

#include <cstdio>

#include "script/LuaRuntime.h"

static const char RULES[] = R"(
local function refuse(name)
    return function()
        error("replay rules: " .. name .. " may not be used by an infinity level", 2)
    end
end
local function refuseLibrary(name)
    return setmetatable({}, {
        __index = function(_, key) return refuse(name .. "." .. tostring(key)) end,
        __newindex = function(_, key) refuse(name .. "." .. tostring(key))() end,
    })
end
os = refuseLibrary("os")
io = refuseLibrary("io")
package.loaded.os = os
package.loaded.io = io
for _, name in ipairs({ "getButtonWasPressed", "setButtonIsVisible", "setButtonWasPressed",
                        "getDifficultyLevel", "getMusicAmplitude" }) do
    zorbix[name] = refuse("zorbix." .. name)
end
)";

void installReplayRules(lua_State* L) {
    if (luaL_loadbuffer(L, RULES, sizeof RULES - 1, "=replay rules") != 0 || lua_pcall(L, 0, 0, 0) != 0) {
        // The rules are this program's own text: failing to run them is a
        // fault of the tool, reported rather than run without the check.
        fprintf(stderr, "replay rules: %s\n", lua_tostring(L, -1));
        lua_pop(L, 1);
    }
}
