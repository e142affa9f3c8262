// What a replay needs besides its input: level, generator seed, ship and version.
#pragma once

#include <string>

struct ReplayHeader {
    std::string levelPath;
    int seed = 0;
    int shipModel = 0;
    int version = 0;
};
