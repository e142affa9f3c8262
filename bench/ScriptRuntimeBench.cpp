// Script runtime speed: integer arithmetic in the VM, and the cost of a fresh
// state with every library and the entity class (paid per level and per
// graphic script).
#include <benchmark/benchmark.h>

#include "script/LuaCommon.h"

static void BM_ScriptIntegerLoop(benchmark::State& state) {
    lua_State* L = luaL_newstate();
    luaL_openlibs(L);
    const char* code = "local s = 0 for i = 1, 100000 do s = s + (i * 7) / 3 - i % 5 + math.sin(i) end return s";
    for (auto _ : state) {
        luaL_loadstring(L, code);
        lua_pcall(L, 0, 1, 0);
        benchmark::DoNotOptimize(lua_tointeger(L, -1));
        lua_pop(L, 1);
    }
    state.SetItemsProcessed(state.iterations() * 100000);
    lua_close(L);
}
BENCHMARK(BM_ScriptIntegerLoop);

static void BM_FreshStateWithEntityClass(benchmark::State& state) {
    for (auto _ : state) {
        lua_State* L = luaL_newstate();
        luaL_openlibs(L);
        benchmark::DoNotOptimize(loadScript(L, "/data/entities/LuaEntity.lua", false));
        lua_close(L);
    }
}
BENCHMARK(BM_FreshStateWithEntityClass);
