// A chapter of campaign levels, played in order.
#pragma once

#include <vector>

#include "levelplay/CampaignLevelInformation.h"

class Campaign {
public:
    explicit Campaign(int number_) : number(number_) {}

    int size() const { return (int)levels.size(); }
    // The i-th level; null outside 0 .. size - 1.
    const CampaignLevelInformation* get(int i) const;
    const CampaignLevelInformation* getFinalLevel() const { return get(size() - 1); }
    void push_back(const CampaignLevelInformation& level) { levels.push_back(level); }

    int number;

private:
    std::vector<CampaignLevelInformation> levels;
};
