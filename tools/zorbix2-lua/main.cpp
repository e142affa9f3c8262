// zorbix2-lua FILE [ARGS...]: runs a Lua file from disk in the game's script
// runtime (integer numbers, the game's libraries, the embedded store, so that
// require of "/data/..." paths works) and prints what it prints. A script
// error, or a file that cannot be read, prints the message and exits with
// status 1. zorbix2-lua --help prints the usage.
#include <cstdio>
#include <cstring>
#include <string>

#include "core/myfopen.h"
#include "platform/readFileBytes.h"
#include "script/LuaRuntime.h"

int main(int argc, char** argv) {
    // --help asks for the usage; any other option, or no file, is a wrong call.
    bool help = argc >= 2 && std::strcmp(argv[1], "--help") == 0;
    if (argc < 2 || std::strncmp(argv[1], "--", 2) == 0) {
        std::fprintf(help ? stdout : stderr, "usage: %s FILE [ARGS...]\n", argv[0]);
        return help ? 0 : 2;
    }
    std::string text, why;
    if (!readFileBytes(argv[1], maxFileBytes, &text, &why)) {
        std::fprintf(stderr, "%s: cannot read %s: %s\n", argv[0], argv[1], why.c_str());
        return 1;
    }

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
