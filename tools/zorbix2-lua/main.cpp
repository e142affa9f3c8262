// zorbix2-lua FILE [ARGS...]: runs a Lua file from disk in the game's script
// runtime (integer numbers, the game's libraries, the embedded store, so that
// require of "/data/..." paths works) and prints what it prints. A script
// error prints the message and exits with status 1.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "core/myfopen.h"
#include "script/LuaRuntime.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE [ARGS...]\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "%s: cannot open %s\n", argv[0], argv[1]);
        return 1;
    }
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    initMyStandardStreams();
    lua_State* L = luaL_newstate();
    if (!L) {
        std::fprintf(stderr, "%s: cannot create a script state\n", argv[0]);
        return 1;
    }
    luaL_openlibs(L);
    lua_createtable(L, argc - 2, 1);
    for (int i = 1; i < argc; i++) {
        lua_pushstring(L, argv[i]);
        lua_rawseti(L, -2, i - 1);
    }
    lua_setglobal(L, "arg");

    std::string chunkName = std::string("@") + argv[1];
    int status = luaL_loadbuffer(L, text.data(), text.size(), chunkName.c_str());
    if (status == 0)
        status = lua_pcall(L, 0, 0, 0);
    if (status != 0) {
        const char* message = lua_tostring(L, -1);
        std::fflush(stdout);
        std::fprintf(stderr, "%s\n", message ? message : "(error object is not a string)");
        lua_close(L);
        return 1;
    }
    lua_close(L);
    std::fflush(stdout);
    return 0;
}
