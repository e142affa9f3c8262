// The script module `zorbix`: the functions through which scripts reach the game.
#include "levelplay/LuaRuntime.h"

static const luaL_Reg zorbixlib[] = {
    {nullptr, nullptr}
};

int luaopen_zorbix(lua_State* L) {
    luaL_register(L, "zorbix", zorbixlib);
    return 1;
}
