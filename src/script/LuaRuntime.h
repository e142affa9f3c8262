// The one way C++ code includes the script runtime: Lua 5.1 with the game's
// configuration (integer numbers) and the game's own additions.
#pragma once

// Our configuration must come before Lua's headers, which would otherwise
// read the stock one.
// clang-format off
#include "script/LuaConfig.h"

#include "lua.h"
#include "lauxlib.h"
#include "lualib.h"
// clang-format on

#include <type_traits>

static_assert(std::is_same<lua_Number, int>::value && sizeof(lua_Number) == 4, "script numbers must be 32-bit ints");

// Loads a chunk from the player's documents folder (a text chunk; precompiled
// chunks are refused). A null name reads the runtime's standard input.
LUALIB_API int luaL_loadfileAmongDocuments(lua_State* L, const char* filename);

// The same with a size limit (0: none): a longer document is refused as a
// file that cannot be read ("cannot read <name>: larger than N bytes").
int loadDocument(lua_State* L, const char* filename, size_t maxBytes);

// Replaces package.loaders of the package table at the top of the stack with
// loaders that find modules in the embedded store (the preload loader stays).
void installStoreLoaders(lua_State* L);

// The module through which scripts reach the game. The play code above
// defines it; the library list opens it in every script state.
LUALIB_API int luaopen_zorbix(lua_State* L);
