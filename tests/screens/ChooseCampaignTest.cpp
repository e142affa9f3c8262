// Campaign chooser: statuses from the achievements, time labels, dragging
// against pressing, the soft bounds, the remembered offset and press order.
#include <gtest/gtest.h>

#include "SavedDataWidgetTest.h"
#include "levelplay/Campaign.h"
#include "screens/ChooseCampaign.h"

namespace {

// Five levels in three columns: a | b c | d e.
class ChooseCampaignTest : public SavedDataWidgetTest {
protected:
    void SetUp() override {
        SavedDataWidgetTest::SetUp();
        const char* names[] = {"a", "b", "c", "d", "e"};
        const int columns[] = {0, 1, 1, 2, 2};
        for (int i = 0; i < 5; i++)
            chapter.push_back(
                CampaignLevelInformation{std::string("/test/") + names[i] + ".lua", names[i], columns[i]});
    }
    void finish(int level, int time) {
        std::string path = chapter.get(level)->path;
        Achievements::getInstance()->setCampaignLevelIsFinished(
            path, Preferences::getInstance()->getDifficultySettings(), time);
    }
    std::vector<int> statuses(ChooseCampaign& panel) {
        std::vector<int> out;
        for (CampaignButton* b : panel.getButtons())
            out.push_back(b->getStatus());
        return out;
    }
    // Where a level button is drawn (and touched) now.
    Coord drawnCentre(ChooseCampaign& panel, int level) {
        Coord c = panel.getButtons()[level]->button.getCoord();
        return Coord(c.x + Device::screenWidth / 3, c.y + panel.getOffset(), 0);
    }
    void settle(ChooseCampaign& panel) {
        for (int i = 0; i < 300; i++)
            panel.update(0);
    }
    Campaign chapter{0};
};

}  // namespace

TEST_F(ChooseCampaignTest, FreshProfileOpensOnlyTheFirstLevel) {
    ChooseCampaign panel(&chapter);
    EXPECT_EQ(statuses(panel), (std::vector<int>{1, 2, 2, 2, 2}));
    EXPECT_EQ(panel.getButtons()[1]->button.getString(), "????");
    EXPECT_EQ(panel.getButtons()[0]->button.getString(), "a");
    // Every line joins a level to each level of the next column.
    EXPECT_EQ(panel.getLines().size(), (size_t)(2 + 4) * 4);
    EXPECT_EQ(panel.getTitle().getString(), "^xC^7hapter ^xO^7ne");
    Preferences::getInstance()->setDifficultySettings(1);
    ChooseCampaign medium(&chapter);
    EXPECT_EQ(medium.getTitle().getString(), "^uC^7hapter ^uO^7ne");
    Campaign unknown(5);
    unknown.push_back(CampaignLevelInformation{"/test/u.lua", "u", 0});
    ChooseCampaign odd(&unknown);
    EXPECT_EQ(odd.getTitle().getString(), "^uChapter??");
}

TEST_F(ChooseCampaignTest, FinishingAnyLevelOfAColumnOpensTheWholeNextColumn) {
    finish(2, 1234);
    ChooseCampaign panel(&chapter);
    EXPECT_EQ(statuses(panel), (std::vector<int>{1, 2, 0, 1, 1}));
    ASSERT_NE(panel.getButtons()[2]->timeLabel, nullptr);
    EXPECT_EQ(panel.getButtons()[2]->timeLabel->getString(), "0:20.566");
}

TEST_F(ChooseCampaignTest, FinishedWithoutATimeHasNoTimeLabel) {
    finish(0, -1);
    ChooseCampaign panel(&chapter);
    EXPECT_EQ(panel.getButtons()[0]->getStatus(), CAMPAIGN_BUTTON_FINISHED);
    EXPECT_EQ(panel.getButtons()[0]->timeLabel, nullptr);
    EXPECT_GT(litPixelsOf([&] { panel.draw(); }), 1000);
}

TEST_F(ChooseCampaignTest, TimesAreFormattedSafely) {
    const struct {
        int steps;
        const char* text;
    } cases[] = {{0, "0:00.000"}, {1234, "0:20.566"}, {60, "0:01.000"}, {3600 * 2 + 61, "2:01.016"}, {6, "0:00.100"}};
    for (auto& c : cases)
        EXPECT_EQ(CampaignButton::formatTime(c.steps), c.text) << c.steps;
    // A hostile time read from a file gives some text, never an overflow.
    EXPECT_FALSE(CampaignButton::formatTime(2147483647).empty());
    EXPECT_FALSE(CampaignButton::formatTime(-2147483647 - 1).empty());
}

TEST_F(ChooseCampaignTest, ATapPressesAndADragOfTwentyNeverDoes) {
    finish(0, 100);
    ChooseCampaign panel(&chapter);
    settle(panel);
    for (float moved : {0.0f, 19.0f, 20.0f, 40.0f}) {
        settle(panel);
        Coord c = drawnCentre(panel, 1);
        touch(0, c.x, c.y);
        EXPECT_EQ(panel.update(0), -1);
        touch(0, c.x, c.y + moved);
        EXPECT_EQ(panel.update(0), -1);
        lift(0);
        int answer = panel.update(0);
        EXPECT_EQ(answer, moved < 20.0f ? 1 : -1) << moved;
    }
}

TEST_F(ChooseCampaignTest, LockedLevelsNeitherSoundNorPress) {
    ChooseCampaign panel(&chapter);
    settle(panel);
    events.clear();
    Coord c = drawnCentre(panel, 3);
    touch(0, c.x, c.y);
    panel.update(0);
    lift(0);
    EXPECT_EQ(panel.update(0), -1);
    EXPECT_TRUE(events.empty());
}

TEST_F(ChooseCampaignTest, TouchesNearTheBackButtonNeverDrag) {
    ChooseCampaign panel(&chapter);
    settle(panel);
    float W = (float)Device::screenWidth, before = panel.getOffset();
    touch(0, 0.82f * W, 300);
    panel.update(0);
    touch(0, 0.82f * W, 500);
    panel.update(0);
    EXPECT_FALSE(panel.isBeeingDragged());
    EXPECT_NEAR(panel.getOffset(), before, 0.01f);
    touch(0, 0.78f * W, 300);  // inside the drag area
    panel.update(0);
    touch(0, 0.78f * W, 500);
    panel.update(0);
    EXPECT_TRUE(panel.isBeeingDragged());
}

TEST_F(ChooseCampaignTest, SoftBoundsPullBackAndAFlickCoasts) {
    ChooseCampaign panel(&chapter);
    float H = (float)Device::screenHeight;
    EXPECT_FLOAT_EQ(panel.getMinOffset(), 0.58f * H);
    EXPECT_FLOAT_EQ(panel.getMaxOffset(), 3 * 0.42f * H);
    // A fresh chapter starts at 0, below its lower bound: pulled up by 0.083.
    panel.update(0);
    EXPECT_FLOAT_EQ(panel.getOffset(), 0.083f * panel.getMinOffset());
    settle(panel);
    touch(0, 100, 300);
    panel.update(0);
    for (int y = 330; y <= 390; y += 30) {
        touch(0, 100, (float)y);
        panel.update(0);
    }
    lift(0);
    panel.update(0);  // the drag ends; the speed stays
    float speed = panel.getSpeed(), offset = panel.getOffset();
    EXPECT_EQ(speed, 30.0f);
    panel.update(0);
    EXPECT_FLOAT_EQ(panel.getOffset(), offset + speed);
    EXPECT_FLOAT_EQ(panel.getSpeed(), speed * 0.85f);
    // Dragged far past the end, it springs back by 0.083 of the overshoot.
    touch(0, 100, 100);
    panel.update(0);
    touch(0, 100, 1000);
    panel.update(0);
    touch(0, 100, 1010);
    panel.update(0);
    lift(0);
    panel.update(0);
    for (int i = 0; i < 400; i++)
        panel.update(0);
    EXPECT_NEAR(panel.getOffset(), panel.getMaxOffset(), 1.0f);
}

TEST_F(ChooseCampaignTest, OffsetIsRememberedPerChapter) {
    float kept;
    {
        ChooseCampaign panel(&chapter);
        for (int i = 0; i < 40; i++)
            panel.update(0);
        kept = panel.getOffset();
    }
    EXPECT_EQ(Preferences::getInstance()->getCampaignMenuOffset(0), (int)kept);
    ChooseCampaign again(&chapter);
    EXPECT_EQ(again.getOffset(), (float)(int)kept);
    Campaign other(1);
    other.push_back(CampaignLevelInformation{"/test/z.lua", "z", 0});
    ChooseCampaign second(&other);
    EXPECT_EQ(second.getOffset(), 0.0f);
    EXPECT_EQ(second.getTitle().getString(), "^xC^7hapter ^xT^7wo");
}

TEST_F(ChooseCampaignTest, LaterPressWinsAndBackBeatsBoth) {
    finish(0, 100);
    ChooseCampaign panel(&chapter);
    panel.getButtons()[1]->button.externalyPressed();
    panel.getButtons()[2]->button.externalyPressed();
    EXPECT_EQ(panel.update(0), 2);
    panel.getButtons()[1]->button.externalyPressed();
    panel.getBackButton()->externalyPressed();
    EXPECT_EQ(panel.update(0), -2);
}
