// The level paths that key the score and achievement files, in catalogue order.
#pragma once

#include <string>

// The saved data needs only the levels' paths and their order: the eight
// infinity levels and the levels of the three campaigns. This holds them until
// the full level catalogue takes over.
class SavedLevelCatalogue {
public:
    static int getNumberOfLevels();
    // Infinity level i (0..7); empty for any other i.
    static std::string getLevelPath(int i);
    static int getNumberOfCampaigns();
    static int getNumberOfCampaignLevels(int campaign);
    // Level i of the campaign; empty outside the campaign.
    static std::string getCampaignLevelPath(int campaign, int i);
    static std::string getFinalLevelOfCampaign(int campaign);
};
