// Infinity chooser: the two locked levels, press order, long names and medals.
#include <gtest/gtest.h>

#include "SavedDataWidgetTest.h"
#include "levelplay/LevelInformation.h"
#include "levelplay/LevelList.h"
#include "screens/ChooseInfinity.h"
#include "screens/InfinityButton.h"
#include "widgets/BackButton.h"
#include "widgets/DrawableString.h"

namespace {

class ChooseInfinityTest : public SavedDataWidgetTest {
protected:
    void finishCampaign(int campaign) {
        std::string path = LevelList::getInstance()->getFinalLevelOfCampaign(campaign)->path;
        Achievements::getInstance()->setCampaignLevelIsFinished(path, 0, 100);
    }
};

}  // namespace

TEST_F(ChooseInfinityTest, LastTwoLevelsOpenWithTheirOwnChapter) {
    {
        ChooseInfinity panel;
        for (int i = 0; i < 8; i++)
            EXPECT_EQ(panel.getButtons()[i]->getStatus(), i < 6 ? INFINITY_BUTTON_AVAILABLE : INFINITY_BUTTON_LOCKED);
        EXPECT_EQ(panel.getButtons()[6]->getBottomLabel()->getString(), "Chapter One");
        EXPECT_EQ(panel.getButtons()[7]->getBottomLabel()->getString(), "Chapter Two");
        // A locked level sounds when touched but never answers.
        Coord c = panel.getButtons()[6]->getButton()->getCoord();
        touch(0, c.x, c.y);
        panel.update(0);
        lift(0);
        EXPECT_EQ(panel.update(0), -1);
        EXPECT_EQ(events.front(), "vibrate");
        EXPECT_EQ(events.back(), "/data/sounds/blip2.caf");
    }
    finishCampaign(1);
    ChooseInfinity panel;
    EXPECT_EQ(panel.getButtons()[6]->getStatus(), INFINITY_BUTTON_LOCKED);
    EXPECT_EQ(panel.getButtons()[7]->getStatus(), INFINITY_BUTTON_AVAILABLE);
    EXPECT_EQ(panel.getButtons()[7]->getButton()->getString(), LevelList::getInstance()->getLevelInformation(7)->name);
    finishCampaign(0);
    ChooseInfinity both;
    EXPECT_EQ(both.getButtons()[6]->getStatus(), INFINITY_BUTTON_AVAILABLE);
}

TEST_F(ChooseInfinityTest, HighestIndexWinsAndBackBeatsALevel) {
    ChooseInfinity panel;
    panel.getButtons()[1]->externalyPressed();
    panel.getButtons()[4]->externalyPressed();
    EXPECT_EQ(panel.update(0), 4);
    panel.getButtons()[5]->externalyPressed();
    panel.getBackButton()->externalyPressed();
    EXPECT_EQ(panel.update(0), -2);
    EXPECT_EQ(panel.update(0), -1);
    // A pressed level lies where the grid puts it: row 1, middle column.
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    EXPECT_NEAR(panel.getButtons()[4]->getButton()->getCoord().x, W * 1.6f * 0.18f, 0.01f);
    EXPECT_NEAR(panel.getButtons()[4]->getButton()->getCoord().y, H * 0.5f, 0.01f);
}

TEST_F(ChooseInfinityTest, NamesOfThirteenCharactersAreSqueezed) {
    float H = (float)Device::screenHeight;
    InfinityButton twelve("Twelve chars", "/test/a.lua", INFINITY_BUTTON_AVAILABLE);
    InfinityButton thirteen("Thirteen char", "/test/b.lua", INFINITY_BUTTON_AVAILABLE);
    EXPECT_FLOAT_EQ(twelve.getButton()->getWidthAndHeight().y, 0.32f * H);
    EXPECT_FLOAT_EQ(thirteen.getButton()->getWidthAndHeight().y, 0.32f * H / 0.75f);
}

TEST_F(ChooseInfinityTest, MedalsShowOnlyOnOpenLevels) {
    std::string path = "/test/medals.lua";
    InfinityMapResults* results = Achievements::getInstance()->getInfinityMapResults(path);
    InfinityButton plain("Plain", path, INFINITY_BUTTON_AVAILABLE);
    plain.getButton()->setCoord(Coord(300, 500, 0));
    int without = litPixelsOf([&] { plain.draw(); });
    results->bronze = results->silver = results->gold = true;
    EXPECT_GT(litPixelsOf([&] { plain.draw(); }), without + 100);
    InfinityButton locked("", "", INFINITY_BUTTON_LOCKED);
    locked.setLabels("Complete", "Chapter One");
    locked.getButton()->setCoord(Coord(300, 500, 0));
    EXPECT_EQ(locked.getResults(), nullptr);
    EXPECT_GT(litPixelsOf([&] { locked.draw(); }), 100);
}
