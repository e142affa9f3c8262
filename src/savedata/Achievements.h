// The player's progress: finished campaign levels and best times per difficulty,
// medals of the infinity levels; kept in "achievements.txt".
#pragma once

#include <map>
#include <memory>
#include <string>

struct lua_State;

struct CampaignLevelResults {
    bool finished = false;
    int time = -1;
};

struct InfinityMapResults {
    bool first = true;
    bool gold = false;
    bool silver = false;
    bool bronze = false;
};

class Achievements {
public:
    enum GameCenterAchievements { GAME_CENTER_NONE = 0 };
    static const int numberOfDifficulties = 3;

    static Achievements* getInstance();
    ~Achievements();

    // The level's record, made (first flag set, no medal) when there is none.
    // Callers change its flags, then call writeAchievements().
    InfinityMapResults* getInfinityMapResults(std::string& level);
    int getCampaignLevelTime(std::string& level, int difficulty);
    bool isCampaignLevelFinished(std::string& level, int difficulty);
    // Marks the level finished and keeps the better time; does not write.
    void setCampaignLevelIsFinished(std::string& level, int difficulty, int time);
    int getPercentageOfCampaignDone(int campaign, int difficulty);
    int getPercentageOfAllCampaignsDone(int difficulty);
    bool isCampaignDone(int campaign, int difficulty);
    bool isCampaignDone(int campaign);
    int getNumberOfGoldMedals();
    int getNumberOfSilverMedals();
    int getNumberOfBronzeMedals();
    void unlockMedals();
    void unlockCampaign();
    // Replaces the file whole; false when it was not written, which the
    // standard error stream is told.
    bool writeAchievements();
    // False when the file did not run to its end.
    bool readAchievements();
    // Reads a file's bytes as readAchievements reads the file, over the
    // records already held.
    bool readAchievementsText(const std::string& bytes);
    // The bytes writeAchievements() puts in the file.
    std::string achievementsText();
    // Forgets every record but the catalogue's fresh ones.
    void resetToCatalogue();
    // Hooks for an online achievement service, which this platform lacks.
    void sendScores(std::string, int) {}
    void sendGameCenterAchievements(GameCenterAchievements) {}

    // Builds a fresh instance from the current documents folder, for tests.
    static void reloadForTests();

    static Achievements* instance;
    std::map<std::string, std::unique_ptr<InfinityMapResults>> infinityResults;
    std::map<std::string, std::unique_ptr<CampaignLevelResults>> campaignResults[numberOfDifficulties];
    // Why the existing file is kept as it is and never written (the errno of
    // the open or of the move to "<name>.bad" that failed), else 0: each save
    // asked for then says it was not made.
    int keptFileCause = 0;

private:
    Achievements();
    Achievements(const Achievements&) = delete;
    Achievements& operator=(const Achievements&) = delete;
    // The sizes of the maps right after the catalogue's records were made:
    // campaign ones per difficulty, then the infinity one.
    size_t freshCounts[numberOfDifficulties + 1] = {};
    CampaignLevelResults* findCampaignRecord(const std::string& level, int difficulty);
    void readCampaignRows(lua_State* L, int version);
    void readInfinityRows(lua_State* L);
    void readDocument(lua_State* L);
};
