// The level catalogue, built in code on first use.
#include "levelplay/LevelList.h"

#include <cstdio>

LevelList* LevelList::instance = nullptr;

LevelList* LevelList::getInstance() {
    if (!instance)
        instance = new LevelList();
    return instance;
}

void LevelList::destroyInstance() {
    delete instance;
    instance = nullptr;
}

namespace {
struct CampaignRow {
    int campaign;
    const char* name;
    const char* folder;
    int column;
};

// Each campaign level lives in "/data/levels/campaignC/FOLDER/FOLDER.lua".
const CampaignRow campaignRows[] = {
    {0, "Cannon Intro", "cannon intro", 0},
    {0, "Digest", "digest", 1},
    {0, "Ying", "ying", 1},
    {0, "Entry", "entry", 2},
    {0, "Spring Theory", "spring theory", 3},
    {0, "Boxes", "boxes", 4},
    {0, "Diamond", "diamond", 4},
    {0, "Expulsors", "expulsors", 5},
    {0, "Tunnel", "tunnel", 6},
    {0, "The Boss", "boss1", 7},
    {1, "Back And Forth", "sisyphe", 0},
    {1, "Swarm", "swarm", 1},
    {1, "Working Together", "working together", 1},
    {1, "Uninvited", "uninvited", 2},
    {1, "Go With The Flow", "gogo", 3},
    {1, "Marching Cubes", "marching cubes", 3},
    {1, "The Matador", "matador", 4},
    {2, "I'll be back", "just going through", 0},
    {2, "Silly Enemies", "spring matador", 1},
    {2, "Space Bedlam", "asteroids", 1},
    {2, "Small Promenade", "through it all", 2},
    {2, "Coming And Raming", "ram", 2},
    {2, "Space Bound", "space bound", 3},
    {2, "Around The Bend", "around the bend", 3},
    {2, "The Rescue", "fusion part 1", 4},
    {2, "The Fusion", "fusion part 2", 5},
    {2, "Matador: Round 2", "matador round 2", 6},
    {2, "The Two Brothers", "two brothers", 7},
    {2, "Anathema", "anathema", 8},
    {2, "Epilogue", "epilogue", 9},
};

std::string levelPath(const std::string& group, const std::string& folder) {
    return "/data/levels/" + group + "/" + folder + "/" + folder + ".lua";
}

LevelInformation infinityLevel(const char* name, const char* folder, int bronze, int silver, int gold,
                               std::vector<std::string> description) {
    LevelInformation level;
    level.path = levelPath("infinity", folder);
    level.name = name;
    level.description = std::move(description);
    level.bronze = bronze;
    level.silver = silver;
    level.gold = gold;
    return level;
}
}  // namespace

LevelList::LevelList() {
    levels.push_back(infinityLevel("Pandemonium", "megagore", 10000, 20000, 30000,
                                   {"Objectives: Survive!", "", "-The blue enemies can only", " kill with their heads.",
                                    "-The green enemies explodes.", "-You get a new life every", " 10000 points."}));
    levels.push_back(infinityLevel("Dodge this", "dodge this", 4000, 6000, 8000,
                                   {"Objectives:", "", "Obtain as many red boxes as", "possible.",
                                    "Avoid all green enemies.", "An arrow shows you where", "the next box is."}));
    levels.push_back(infinityLevel("Assault", "assault", 5000, 10000, 15000,
                                   {"Objectives:", "", "Destroy the maximum amount", "of enemies.",
                                    "Collect boxes to increase", "your score and shield points."}));
    levels.push_back(infinityLevel("Asteroids", "asteroids", 20000, 30000, 50000,
                                   {"Objectives:", "", "Clean up the asteroid", "mess while handling",
                                    "various bellicose enemies.", "The faster you are, the", "more points you earn."}));
    levels.push_back(infinityLevel("Chromatic Conflict", "chromatic conflict", 5000, 7000, 9000,
                                   {"Objectives:", "", "Destroy the enemies that have", "the same color as your ship.",
                                    "Change the color of your", "ship by moving over a pulsar."}));
    levels.push_back(infinityLevel("Highway", "highway", 2000, 4000, 6000,
                                   {"Objective:", "", "Collect the sphere", "pointed to by the blue arrow",
                                    "to gain points.", "The faster you are, the", "more points you gain."}));
    levels.push_back(
        infinityLevel("Amalgam", "amalgam", 10000, 20000, 30000, {"Objective:", "", "Destroy everything"}));
    levels.push_back(infinityLevel("Symbiosis", "symbiosis", 5000, 10000, 15000,
                                   {"Objectives:", "", "Deftly control two ships connected",
                                    "with an antimatter stream to", "destroy all the enemies."}));

    for (int c = 0; c < 3; c++)
        campaigns[c] = new Campaign(c);
    for (const CampaignRow& row : campaignRows) {
        CampaignLevelInformation level;
        level.path = levelPath("campaign" + std::to_string(row.campaign), row.folder);
        level.name = row.name;
        level.column = row.column;
        campaigns[row.campaign]->push_back(level);
    }
}

LevelList::~LevelList() {
    for (Campaign* c : campaigns)
        delete c;
}

Campaign* LevelList::getCampaign(int i) { return i >= 0 && i < 3 ? campaigns[i] : campaigns[0]; }

int LevelList::getNumberOfCampaignLevels(int c) { return c >= 0 && c < 3 ? campaigns[c]->size() : 0; }

const CampaignLevelInformation* LevelList::getFinalLevelOfCampaign(int c) { return getCampaign(c)->getFinalLevel(); }

const LevelInformation* LevelList::getLevelInformation(int i) {
    if (i < 0 || i >= (int)levels.size())
        return nullptr;
    return &levels[i];
}

const LevelInformation* LevelList::getLevelInformation(const std::string& path) {
    int number = getLevelNumber(path);
    return number >= 0 ? &levels[number] : nullptr;
}

int LevelList::getLevelNumber(const std::string& path) {
    for (size_t i = 0; i < levels.size(); i++)
        if (levels[i].path == path)
            return (int)i;
    return -1;
}

int LevelList::getCampaignOfLevel(const std::string& path) {
    for (Campaign* c : campaigns)
        for (int i = 0; i < c->size(); i++)
            if (c->get(i)->path == path)
                return c->number;
    return -1;
}

std::string LevelList::getLevelPathFromIndex(int index) {
    if (index >= 1000) {
        const LevelInformation* level = getLevelInformation(index - 1000);
        return level ? level->path : "";
    }
    if (index < 0 || index / 100 >= 3)
        return "";
    const CampaignLevelInformation* level = campaigns[index / 100]->get(index % 100);
    return level ? level->path : "";
}

void LevelList::printLevelsWithIndex() {
    printf("level list:\n");
    for (Campaign* c : campaigns)
        for (int i = 0; i < c->size(); i++)
            printf("%i \t%s\n", c->number * 100 + i, c->get(i)->path.c_str());
    for (int i = 0; i < (int)levels.size(); i++)
        printf("%i \t%s\n", 1000 + i, levels[i].name.c_str());
}
