// The library list of every script state, and io.open on the resource folder.
#include "core/myfopen.h"
#include "levelplay/LuaRuntime.h"

#include <cstring>

// io.open(name [, mode]): names are relative to the resource folder. The
// stock function (upvalue 1) opens the file, so the handle is a normal one.
static int io_open(lua_State* L) {
    const char* filename = luaL_checkstring(L, 1);
    const char* mode = luaL_optstring(L, 2, "r");
    std::string full = pathToRessource(filename);
    // The two arguments stay on the stack: filename and mode point into them.
    lua_settop(L, 2);
    lua_pushvalue(L, lua_upvalueindex(1));
    lua_pushstring(L, full.c_str());
    lua_pushstring(L, mode);
    lua_call(L, 2, LUA_MULTRET);
    if (lua_isnil(L, 3) && lua_gettop(L) >= 5) {
        // The message names the file as the script gave it.
        int error = (int)lua_tointeger(L, 5);
        lua_pushfstring(L, "%s: %s", filename, std::strerror(error));
        lua_replace(L, 4);
    }
    return lua_gettop(L) - 2;
}

static int openPackage(lua_State* L) {
    lua_pushcfunction(L, luaopen_package);
    lua_pushvalue(L, 1);
    lua_call(L, 1, 1);
    installStoreLoaders(L);
    return 1;
}

static int openIo(lua_State* L) {
    lua_pushcfunction(L, luaopen_io);
    lua_pushvalue(L, 1);
    lua_call(L, 1, 1);
    lua_getfield(L, -1, "open");
    lua_pushcclosure(L, io_open, 1);
    lua_setfield(L, -2, "open");
    return 1;
}

static const luaL_Reg libraries[] = {
    {"", luaopen_base},
    {"zorbix", luaopen_zorbix},
    {LUA_LOADLIBNAME, openPackage},
    {LUA_TABLIBNAME, luaopen_table},
    {LUA_IOLIBNAME, openIo},
    {LUA_OSLIBNAME, luaopen_os},
    {LUA_STRLIBNAME, luaopen_string},
    {LUA_MATHLIBNAME, luaopen_math},
    {LUA_DBLIBNAME, luaopen_debug},
    {nullptr, nullptr}
};

LUALIB_API void luaL_openlibs(lua_State* L) {
    for (const luaL_Reg* lib = libraries; lib->func; lib++) {
        lua_pushcfunction(L, lib->func);
        lua_pushstring(L, lib->name);
        lua_call(L, 1, 0);
    }
}
