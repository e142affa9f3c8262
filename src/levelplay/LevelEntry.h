// Starting a level or a replay without the menus: by level index or store
// path, by replay id, or from the environment (ZORBIX_LEVEL, ZORBIX_REPLAY).
#pragma once

#include <string>

class StatePlay;

// Below 1000 or a campaign path: a campaign game; 1000 to 1007 or an infinity
// path: a recorded infinity game; the tutorial path: the tutorial; any other
// level script of the store: a campaign game. Null, with a message, for
// anything else.
StatePlay* newPlayScreenForLevel(const std::string& level, std::string* error);
// Null, with a message, unless the replay is playable.
StatePlay* newPlaybackScreen(int id, bool downloaded, std::string* error);
// The screen the environment asks for: null with an empty message when it
// asks for none, null with a message when its value is bad.
StatePlay* playScreenFromEnvironment(std::string* error);
