// The level catalogue: records, indexes, lookups and bad arguments.
#include <gtest/gtest.h>

#include "levelplay/LevelList.h"

TEST(LevelList, InfinityLevelsAndThresholds) {
    LevelList* list = LevelList::getInstance();
    ASSERT_EQ(list->getNumberOfLevels(), 8);
    EXPECT_EQ(list->getLevelInformation(8), nullptr);
    EXPECT_EQ(list->getLevelInformation(-1), nullptr);
    ASSERT_NE(list->getLevelInformation(7), nullptr);
    EXPECT_EQ(list->getLevelInformation(7)->name, "Symbiosis");
    const LevelInformation* first = list->getLevelInformation(0);
    EXPECT_EQ(first->path, "/data/levels/infinity/megagore/megagore.lua");
    EXPECT_EQ(first->description.size(), 7u);
    EXPECT_EQ(first->description[1], "");
    const LevelInformation* asteroids = list->getLevelInformation(3);
    EXPECT_EQ(asteroids->name, "Asteroids");
    EXPECT_EQ(asteroids->bronze, 20000);
    EXPECT_EQ(asteroids->silver, 30000);
    EXPECT_EQ(asteroids->gold, 50000);
    EXPECT_EQ(list->getLevelInformation(6)->description.back(), "Destroy everything");
    // By path: only the exact path of an infinity level.
    std::string path = "/data/levels/infinity/dodge this/dodge this.lua";
    ASSERT_NE(list->getLevelInformation(path), nullptr);
    EXPECT_EQ(list->getLevelInformation(path)->name, "Dodge this");
    std::string campaignPath = "/data/levels/campaign0/digest/digest.lua";
    EXPECT_EQ(list->getLevelInformation(campaignPath), nullptr);
    EXPECT_FALSE(list->levelExists(path));
    EXPECT_TRUE(list->levelExists(campaignPath));
    std::string near = "/data/levels/campaign0/digest/digest.lu";
    EXPECT_FALSE(list->levelExists(near));
}

TEST(LevelList, CampaignsAndFinalLevels) {
    LevelList* list = LevelList::getInstance();
    ASSERT_EQ(list->getNumberOfCampaigns(), 3);
    EXPECT_EQ(list->getNumberOfCampaignLevels(0), 10);
    EXPECT_EQ(list->getNumberOfCampaignLevels(1), 7);
    EXPECT_EQ(list->getNumberOfCampaignLevels(2), 13);
    EXPECT_EQ(list->getNumberOfCampaignLevels(3), 0);
    EXPECT_EQ(list->getNumberOfCampaignLevels(-1), 0);
    EXPECT_EQ(list->getCampaign(5), list->getCampaign(0));
    EXPECT_EQ(list->getCampaign(-1)->number, 0);
    EXPECT_EQ(list->getCampaign(2)->number, 2);
    EXPECT_EQ(list->getFinalLevelOfCampaign(0)->name, "The Boss");
    EXPECT_EQ(list->getFinalLevelOfCampaign(1)->name, "The Matador");
    EXPECT_EQ(list->getFinalLevelOfCampaign(2)->name, "Epilogue");
    const CampaignLevelInformation* diamond = list->getCampaign(0)->get(6);
    EXPECT_EQ(diamond->name, "Diamond");
    EXPECT_EQ(diamond->path, "/data/levels/campaign0/diamond/diamond.lua");
    EXPECT_EQ(diamond->column, 4);
    EXPECT_EQ(list->getCampaign(2)->get(3)->name, "Small Promenade");
    // Record keys, replay headers and the score server use these paths as they stand.
    EXPECT_EQ(list->getCampaign(2)->get(7)->path, "/data/levels/campaign2/fusion part 1/fusion part 1.lua");
    EXPECT_EQ(list->getCampaign(2)->get(8)->path, "/data/levels/campaign2/fusion part 2/fusion part 2.lua");
    EXPECT_EQ(list->getCampaign(2)->get(13), nullptr);
    EXPECT_EQ(list->getCampaign(2)->get(-1), nullptr);
    // Every campaign's columns start at 0 and never go back.
    for (int c = 0; c < 3; c++) {
        Campaign* campaign = list->getCampaign(c);
        EXPECT_EQ(campaign->get(0)->column, 0);
        for (int i = 1; i < campaign->size(); i++)
            EXPECT_GE(campaign->get(i)->column, campaign->get(i - 1)->column);
    }
}

TEST(LevelList, LevelIndexes) {
    LevelList* list = LevelList::getInstance();
    struct Case {
        int index;
        std::string path;
    } cases[] = {
        {0, "/data/levels/campaign0/cannon intro/cannon intro.lua"},
        {9, "/data/levels/campaign0/boss1/boss1.lua"},
        {100, "/data/levels/campaign1/sisyphe/sisyphe.lua"},
        {212, "/data/levels/campaign2/epilogue/epilogue.lua"},
        {1003, "/data/levels/infinity/asteroids/asteroids.lua"},
        {1007, "/data/levels/infinity/symbiosis/symbiosis.lua"},
        // Indexes that name no level.
        {10, ""},
        {107, ""},
        {213, ""},
        {300, ""},
        {-1, ""},
        {-100, ""},
        {999, ""},
        {1008, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(list->getLevelPathFromIndex(c.index), c.path) << c.index;
}

TEST(LevelList, PrintedListing) {
    testing::internal::CaptureStdout();
    LevelList::getInstance()->printLevelsWithIndex();
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.compare(0, 12, "level list:\n"), 0);
    EXPECT_NE(out.find("\n212 \t/data/levels/campaign2/epilogue/epilogue.lua\n"), std::string::npos);
    EXPECT_NE(out.find("\n1007 \tSymbiosis\n"), std::string::npos);
    size_t lines = 0;
    for (char ch : out)
        lines += ch == '\n';
    EXPECT_EQ(lines, 1u + 30u + 8u);
}
