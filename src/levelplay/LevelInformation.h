// One infinity level: its script, name, description lines and medal thresholds.
#pragma once

#include <string>
#include <vector>

struct LevelInformation {
    std::string path;
    std::string name;
    // One string per line shown; "" for a blank line.
    std::vector<std::string> description;
    int bronze = 0;
    int silver = 0;
    int gold = 0;
};
