// How script values cross into the game: numbers, fractions scaled by 255,
// booleans, strings, and native values truncated back to script integers.
// Readers that can raise a script error (luaL_check*) run before any object
// with a destructor exists in the calling function: the error unwinds with
// longjmp and would skip its clean-up.
#pragma once

#include <climits>
#include <cstddef>
#include <string>

#include "script/LuaRuntime.h"

// Truncation toward zero that holds for every value: NaN gives 0, values
// beyond the int range give INT_MIN or INT_MAX.
inline int truncateToInt(double v) {
    if (v != v)
        return 0;
    if (v >= 2147483647.0)
        return INT_MAX;
    if (v <= -2147483648.0)
        return INT_MIN;
    return (int)v;
}

inline int intArg(lua_State* L, int i) { return (int)luaL_checknumber(L, i); }

// World units and plain values, as single-precision floats.
inline float floatArg(lua_State* L, int i) { return (float)luaL_checknumber(L, i); }

// A fraction scaled by 255: divided in double precision, stored as a float.
inline float fraction255Arg(lua_State* L, int i) { return (float)(luaL_checknumber(L, i) / 255.0); }

// The player colour and the friend-ship radius use 1/256 (255 gives 0.996).
inline float fraction256Arg(lua_State* L, int i) { return (float)(luaL_checknumber(L, i) * (1.0 / 256.0)); }

// nil and false are false, everything else (0 included) true; never raises.
inline bool boolArg(lua_State* L, int i) { return lua_toboolean(L, i) != 0; }

// A string argument as pointer and length; a number gives its text. nil,
// an absent argument or a table give null. The text stays valid while the
// argument is on the stack.
struct StringArg {
    const char* text;
    size_t length;

    // The text, or "" for none. Make it only once every argument is read.
    std::string str() const { return text ? std::string(text, length) : std::string(); }
};

inline StringArg stringArg(lua_State* L, int i) {
    StringArg s;
    s.length = 0;
    s.text = lua_tolstring(L, i, &s.length);
    return s;
}

// The same, raising the stock error when the argument is not a string or number.
inline StringArg checkedStringArg(lua_State* L, int i) {
    StringArg s;
    s.length = 0;
    s.text = luaL_checklstring(L, i, &s.length);
    return s;
}

inline void pushTruncated(lua_State* L, double v) { lua_pushinteger(L, truncateToInt(v)); }
