// A script state with every library open, and helpers that run script text in it.
#pragma once

#include <string>

#include "script/LuaRuntime.h"

class ScriptTestState {
public:
    ScriptTestState() {
        L = luaL_newstate();
        luaL_openlibs(L);
    }
    ~ScriptTestState() { lua_close(L); }
    ScriptTestState(const ScriptTestState&) = delete;
    ScriptTestState& operator=(const ScriptTestState&) = delete;

    // Runs a chunk; "" on success, else the error message.
    std::string run(const std::string& code) {
        int top = lua_gettop(L);
        int status = luaL_loadbuffer(L, code.data(), code.size(), "test");
        if (status == 0)
            status = lua_pcall(L, 0, 0, 0);
        std::string message;
        if (status != 0) {
            const char* text = lua_tostring(L, -1);
            message = text ? text : "(non-string error)";
        }
        lua_settop(L, top);
        return message;
    }

    // The value of an expression as tostring() shows it, or "error: ...".
    std::string eval(const std::string& expression) {
        int top = lua_gettop(L);
        std::string code = "return tostring(" + expression + ")";
        int status = luaL_loadbuffer(L, code.data(), code.size(), "test");
        if (status == 0)
            status = lua_pcall(L, 0, 1, 0);
        const char* text = lua_tostring(L, -1);
        std::string result = status == 0 ? std::string(text ? text : "?") : "error: " + std::string(text ? text : "?");
        lua_settop(L, top);
        return result;
    }

    lua_State* L;
};
