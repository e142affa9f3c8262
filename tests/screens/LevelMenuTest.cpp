// Level menu: opening on the world scores, the saved toggle, the press order,
// lists kept across toggles and a level number outside the catalogue.
#include <gtest/gtest.h>

#include <cstdlib>

#include "SavedDataWidgetTest.h"
#include "levelplay/LevelInformation.h"
#include "levelplay/LevelList.h"
#include "screens/LevelMenu.h"
#include "screens/ScrollingScores.h"
#include "widgets/BackButton.h"
#include "widgets/MultipleValuesButton.h"

namespace {

class LevelMenuTest : public SavedDataWidgetTest {
protected:
    std::string level0() { return LevelList::getInstance()->getLevelInformation(0)->path; }
    void revealAll(LevelMenu& menu) {
        for (int i = 0; i < 2000 && !menu.getShownList()->getAllRowsMade(); i++)
            menu.update(0);
    }
    int count(const std::string& event) {
        int n = 0;
        for (auto& e : events)
            n += e == event;
        return n;
    }
};

}  // namespace

TEST_F(LevelMenuTest, OpensOnTheWorldScoresWhenThatIsTheChoice) {
    Preferences::getInstance()->set_isShowingLocalScores(false);
    events.clear();
    LevelMenu menu(0);
    EXPECT_FALSE(menu.getIsShowingLocalScores());
    EXPECT_EQ(menu.getToggle()->getButton()->getString(), "Go local");
    EXPECT_EQ(menu.getThirdButton()->getString(), "Refresh");
    EXPECT_EQ(count("/data/sounds/blip1.caf"), 1);
    EXPECT_FALSE(Preferences::getInstance()->get_isShowingLocalScores());
    EXPECT_FALSE(dir->documentExists("prefs.txt"));
    EXPECT_GT(litPixelsOf([&] { menu.draw(); }), 1000);  // the globe included
}

TEST_F(LevelMenuTest, ToggleSavesAtOnceAndKeepsEachList) {
    srand(5);
    Scores::getInstance()->local->addScore(level0(), "me", 500, -1, 1, 0);
    LevelMenu menu(0);
    EXPECT_TRUE(menu.getIsShowingLocalScores());
    EXPECT_EQ(menu.getThirdButton()->getString(), "Upload");
    revealAll(menu);
    ScrollingScores* own = menu.getShownList();
    int rows = own->getRowCount();
    menu.getToggle()->externalyPressed();
    EXPECT_EQ(menu.update(0), 0);
    EXPECT_FALSE(menu.getIsShowingLocalScores());
    EXPECT_EQ(menu.getThirdButton()->getString(), "Refresh");
    ASSERT_TRUE(dir->documentExists("prefs.txt"));
    Preferences::reloadForTests();
    EXPECT_FALSE(Preferences::getInstance()->get_isShowingLocalScores());
    menu.getToggle()->externalyPressed();
    menu.update(0);
    EXPECT_EQ(menu.getShownList(), own);
    EXPECT_EQ(own->getRowCount(), rows);
    EXPECT_EQ(menu.getThirdButton()->getString(), "Upload");
}

TEST_F(LevelMenuTest, PressOrderReplayDragThirdBackStart) {
    srand(7);
    dir->writeDocument("replay_local_4.txt", "replay");
    Scores::getInstance()->local->addScore(level0(), "me", 500, 4, 1, 0);
    LevelMenu menu(0);
    revealAll(menu);
    auto pressAll = [&](bool start, bool back, bool third, bool replay) {
        if (start)
            menu.getStartButton()->externalyPressed();
        if (back)
            menu.getBackButton()->externalyPressed();
        if (third)
            menu.getThirdButton()->externalyPressed();
        if (replay)
            menu.getShownList()->getReplayButton(0)->externalyPressed();
        return menu.update(0);
    };
    EXPECT_EQ(pressAll(true, false, false, false), 1);
    EXPECT_EQ(pressAll(true, true, false, false), 2);
    EXPECT_EQ(pressAll(true, true, true, false), 4);
    EXPECT_EQ(pressAll(true, true, true, true), 6);
    // While the list is dragged every button but a replay answers nothing.
    touch(1, 0.25f * Device::screenWidth, 300);
    for (int i = 0; i < 3; i++)
        menu.update(0);
    ASSERT_TRUE(menu.getShownList()->scoresAreBeeingDragged());
    EXPECT_EQ(pressAll(true, true, true, false), 0);
    lift(1);
}

TEST_F(LevelMenuTest, LevelOutsideTheCatalogueShowsLevelZero) {
    for (int number : {-1, 8, 1000}) {
        LevelMenu menu(number);
        EXPECT_EQ(menu.getLevelPath(), level0()) << number;
        menu.update(0);
        litPixelsOf([&] { menu.draw(); });
    }
}
