// The replay rules of infinity levels as a check: in a level's script state,
// what may make a replay play back differently raises a script error.
#pragma once

struct lua_State;

// Replaces os, io, the "Ok" button calls, the difficulty and the music
// amplitude with functions that raise an error naming what was called.
void installReplayRules(lua_State* L);
