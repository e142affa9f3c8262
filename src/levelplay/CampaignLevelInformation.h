// One level of a campaign: its script, its name and its column on the campaign screen.
#pragma once

#include <string>

struct CampaignLevelInformation {
    std::string path;
    std::string name;
    // Levels that share a column stand side by side as alternatives.
    int column = 0;
};
