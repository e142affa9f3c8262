// A chapter of campaign levels.
#include "levelplay/Campaign.h"

const CampaignLevelInformation* Campaign::get(int i) const {
    if (i < 0 || i >= size())
        return nullptr;
    return &levels[i];
}
