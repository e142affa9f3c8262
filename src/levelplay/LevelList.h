// The fixed catalogue of levels: three campaigns and eight infinity levels.
#pragma once

#include <string>
#include <vector>

#include "levelplay/Campaign.h"
#include "levelplay/LevelInformation.h"

// A level is also named by an index: campaign x 100 + position for campaign
// levels, 1000 + position for infinity levels.
class LevelList {
public:
    static LevelList* getInstance();
    static void destroyInstance();
    ~LevelList();

    int getNumberOfCampaigns() const { return 3; }
    // Campaign i for 0 <= i < 3, campaign 0 for any other i.
    Campaign* getCampaign(int i);
    // 0 for a campaign that does not exist.
    int getNumberOfCampaignLevels(int c);
    const CampaignLevelInformation* getFinalLevelOfCampaign(int c);

    int getNumberOfLevels() const { return (int)levels.size(); }
    // Null outside 0 .. 7 and for a path that is no infinity level.
    const LevelInformation* getLevelInformation(int i);
    const LevelInformation* getLevelInformation(const std::string& path);
    // The number (0 .. 7) of the infinity level with exactly that path; -1 for none.
    int getLevelNumber(const std::string& path);
    // Whether a campaign level has exactly that path (infinity levels are not searched).
    bool levelExists(const std::string& path) { return getCampaignOfLevel(path) >= 0; }
    // The number of the campaign whose level has exactly that path; -1 for none.
    int getCampaignOfLevel(const std::string& path);
    // "" for an index that names no level.
    std::string getLevelPathFromIndex(int index);
    void printLevelsWithIndex();

private:
    LevelList();
    LevelList(const LevelList&) = delete;
    LevelList& operator=(const LevelList&) = delete;

    static LevelList* instance;
    Campaign* campaigns[3];
    std::vector<LevelInformation> levels;
};
