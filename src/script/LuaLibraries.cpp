// The library list of every script state; io reads only the resource folder,
// and os keeps nothing that touches the system or the clock.
#include <cerrno>
#include <cstring>

#include "core/myfopen.h"
#include "script/LuaRuntime.h"

// Slots of the io library's environment that hold the default files.
static const int defaultInput = 1;
static const int defaultOutput = 2;

// Opens the resource named by argument 1 and pushes its handle, as the io
// library makes them: the handle's environment, which tells close how to
// close it, is the running function's, so the functions below run with the
// io library's environment. False (nothing pushed, errno set) on failure.
// The stock functions that open any path are not kept anywhere a script
// could reach them (through the debug library's registry, say).
static bool openResource(lua_State* L, const char* mode) {
    size_t length = 0;
    const char* name = luaL_checklstring(L, 1, &length);
    std::string full = pathToRessource(std::string(name, length));
    FILE** handle = static_cast<FILE**>(lua_newuserdata(L, sizeof(FILE*)));
    *handle = nullptr;
    luaL_getmetatable(L, LUA_FILEHANDLE);
    lua_setmetatable(L, -2);
    if (full.empty())
        errno = EACCES;  // a name that would leave the folder
    else
        *handle = fopen(full.c_str(), mode);
    if (*handle)
        return true;
    int error = errno;
    lua_pop(L, 1);
    errno = error;
    return false;
}

// The stock error for a file argument that cannot be opened.
static int openError(lua_State* L) {
    const char* reason = std::strerror(errno);
    return luaL_argerror(L, 1, lua_pushfstring(L, "%s: %s", lua_tostring(L, 1), reason));
}

// io.open(name [, mode]): names are relative to the resource folder.
static int io_open(lua_State* L) {
    const char* filename = luaL_checkstring(L, 1);
    const char* mode = luaL_optstring(L, 2, "r");
    if (openResource(L, mode))
        return 1;
    int error = errno;
    lua_pushnil(L);
    lua_pushfstring(L, "%s: %s", filename, std::strerror(error));
    lua_pushinteger(L, error);
    return 3;
}

// io.lines([name]): the lines of a resource (closed at its end) or of the
// default input.
static int io_lines(lua_State* L) {
    bool named = !lua_isnoneornil(L, 1);
    if (named) {
        if (!openResource(L, "r"))
            return openError(L);
    } else {
        lua_rawgeti(L, LUA_ENVIRONINDEX, defaultInput);
    }
    int file = lua_gettop(L);
    lua_getfield(L, file, "lines");
    lua_pushvalue(L, file);
    lua_call(L, 1, 1);
    if (named) {
        // The iterator's second upvalue tells it to close the file at the end.
        lua_pushboolean(L, 1);
        lua_setupvalue(L, -2, 2);
    }
    return 1;
}

// io.input and io.output: set the default file from a resource name or an
// open handle, and return the current one.
static int setDefaultFile(lua_State* L, int slot, const char* mode) {
    if (!lua_isnoneornil(L, 1)) {
        if (lua_isstring(L, 1)) {
            if (!openResource(L, mode))
                return openError(L);
        } else {
            FILE** handle = static_cast<FILE**>(luaL_checkudata(L, 1, LUA_FILEHANDLE));
            if (!*handle)
                luaL_error(L, "attempt to use a closed file");
            lua_pushvalue(L, 1);
        }
        lua_rawseti(L, LUA_ENVIRONINDEX, slot);
    }
    lua_rawgeti(L, LUA_ENVIRONINDEX, slot);
    return 1;
}

static int io_input(lua_State* L) { return setDefaultFile(L, defaultInput, "r"); }
static int io_output(lua_State* L) { return setDefaultFile(L, defaultOutput, "w"); }

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
    int io = lua_gettop(L);
    lua_getfield(L, io, "close");
    lua_getfenv(L, -1);
    int environment = lua_gettop(L);
    static const luaL_Reg replaced[] = {
        {"open", io_open}, {"lines", io_lines}, {"input", io_input}, {"output", io_output}, {nullptr, nullptr}};
    for (const luaL_Reg* f = replaced; f->name; f++) {
        lua_pushcfunction(L, f->func);
        lua_pushvalue(L, environment);
        lua_setfenv(L, -2);
        lua_setfield(L, io, f->name);
    }
    // No script runs a command.
    lua_pushnil(L);
    lua_setfield(L, io, "popen");
    lua_settop(L, io);
    return 1;
}

// No script runs a command, changes files, ends the process or the C locale
// (under which numbers are read and written), or reads the clock, which
// would make a game differ from its replay.
static int openOs(lua_State* L) {
    lua_pushcfunction(L, luaopen_os);
    lua_pushvalue(L, 1);
    lua_call(L, 1, 1);
    for (const char* name : {"execute", "exit", "remove", "rename", "tmpname", "setlocale", "time", "clock", "date"}) {
        lua_pushnil(L);
        lua_setfield(L, -2, name);
    }
    return 1;
}

static const luaL_Reg libraries[] = {{"", luaopen_base},
                                     {"zorbix", luaopen_zorbix},
                                     {LUA_LOADLIBNAME, openPackage},
                                     {LUA_TABLIBNAME, luaopen_table},
                                     {LUA_IOLIBNAME, openIo},
                                     {LUA_OSLIBNAME, openOs},
                                     {LUA_STRLIBNAME, luaopen_string},
                                     {LUA_MATHLIBNAME, luaopen_math},
                                     {LUA_DBLIBNAME, luaopen_debug},
                                     {nullptr, nullptr}};

LUALIB_API void luaL_openlibs(lua_State* L) {
    for (const luaL_Reg* lib = libraries; lib->func; lib++) {
        lua_pushcfunction(L, lib->func);
        lua_pushstring(L, lib->name);
        lua_call(L, 1, 0);
    }
}
