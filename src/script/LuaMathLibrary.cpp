// The scripts' math library: six integer functions in degrees, drawing from the shared generator.
#include <cmath>

#include "core/Game.h"
#include "script/LuaRuntime.h"

// Degrees to radians the way every stored replay computed them: the angle as
// a float, scaled in double precision, rounded back to a float.
static float toRadians(int degrees) { return (float)((double)(float)degrees * M_PI / 180.0); }

static int math_cos(lua_State* L) {
    float r = toRadians((int)luaL_checknumber(L, 1));
    lua_pushnumber(L, (int)(cosf(r) * 256.0f));
    return 1;
}

static int math_sin(lua_State* L) {
    float r = toRadians((int)luaL_checknumber(L, 1));
    lua_pushnumber(L, (int)(sinf(r) * 256.0f));
    return 1;
}

static int math_atan2(lua_State* L) {
    float y = (float)luaL_checknumber(L, 1);
    float x = (float)luaL_checknumber(L, 2);
    float scaled = atan2f(y, x) * 180.0f;
    lua_pushnumber(L, (int)((double)scaled / M_PI));
    return 1;
}

static int math_sqrt(lua_State* L) {
    int n = (int)luaL_checknumber(L, 1);
    lua_pushnumber(L, n < 0 ? 0 : (int)sqrtf((float)n));
    return 1;
}

static int math_abs(lua_State* L) {
    int n = (int)luaL_checknumber(L, 1);
    // Through unsigned arithmetic: the smallest int stays itself.
    lua_pushnumber(L, n < 0 ? (int)(0u - (unsigned)n) : n);
    return 1;
}

static int math_rand(lua_State* L) {
    Game::randWasUsedByScript = true;
    lua_pushnumber(L, Game::rand());
    return 1;
}

static const luaL_Reg mathlib[] = {{"cos", math_cos}, {"sin", math_sin},   {"atan2", math_atan2}, {"sqrt", math_sqrt},
                                   {"abs", math_abs}, {"rand", math_rand}, {nullptr, nullptr}};

LUALIB_API int luaopen_math(lua_State* L) {
    luaL_register(L, LUA_MATHLIBNAME, mathlib);
    // The old name math.mod follows math.fmod, which this library lacks.
    lua_getfield(L, -1, "fmod");
    lua_setfield(L, -2, "mod");
    return 1;
}
