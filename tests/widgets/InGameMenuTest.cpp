// In-game menu: the slide, the action codes, the quit question, the replay
// layout and what is drawn while the sticks are in use.
#include <gtest/gtest.h>

#include "support/WidgetTestSupport.h"
#include "widgets/InGameMenu.h"
#include "widgets/InGamePauseAlert.h"

namespace {

class InGameMenuTest : public WidgetTest {
protected:
    // Opens the menu fully; answers the code of the request.
    int openMenu(InGameMenu& menu) {
        menu.setTabIsExternallyPressed();
        int code = menu.update(0);
        while (!menu.isOpen())
            menu.update(0);
        return code;
    }
    // Down on the button, lifted: the code of the lifting update.
    int tap(InGameMenu& menu, Button* b) {
        touchButton(0, b);
        int down = menu.update(0);
        EXPECT_EQ(down, 0);
        lift(0);
        return menu.update(0);
    }
};

}  // namespace

TEST_F(InGameMenuTest, SlidesOpenOnTheTwelfthUpdateAfterTheRequestAtWidth320) {
    Device::setScreenSize(320, 480);
    InGameMenu menu(false);
    EXPECT_EQ(menu.update(0), 0);
    EXPECT_TRUE(menu.isClosed());
    menu.setTabIsExternallyPressed();
    EXPECT_EQ(menu.update(0), 1);
    const float positions[] = {0, 4, 12, 24, 40, 60, 84, 112, 144, 180, 220};
    for (float p : positions) {
        EXPECT_EQ(menu.update(0), 0);
        EXPECT_EQ(menu.getPosition(), p);
        EXPECT_FALSE(menu.isOpen());
    }
    menu.update(0);
    EXPECT_TRUE(menu.isOpen());
    EXPECT_EQ(menu.getPosition(), 224.0f);
    EXPECT_EQ(tap(menu, menu.getContinueButton()), 2);
    EXPECT_FALSE(menu.isOpen());
    while (!menu.isClosed())
        menu.update(0);
    EXPECT_EQ(menu.getPosition(), 0.0f);
}

TEST_F(InGameMenuTest, ButtonsReactWhereTheOpenPanelDrawsThem) {
    InGameMenu menu(false);
    EXPECT_EQ(openMenu(menu), 1);
    // The Continue button lies at 0.18 of the panel's depth from its edge.
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    Button* c = menu.getContinueButton();
    Coord p = c->getCollisionPosition(), s = c->getWidthAndHeight();
    EXPECT_NEAR(p.x + s.x / 2, W - menu.getOpenPosition() + 1 + 0.18f * menu.getOpenPosition(), 1e-3);
    EXPECT_NEAR(p.y + s.y / 2, (int)H / 2, 1e-3);
    EXPECT_EQ(tap(menu, menu.getSwapButton()), 4);
    EXPECT_EQ(tap(menu, menu.getMoveButton()), 5);
    EXPECT_TRUE(menu.isOpen());  // swap and move keep it open
}

TEST_F(InGameMenuTest, QuitAsksFirstAndABackKeyConfirms) {
    InGameMenu menu(false);
    openMenu(menu);
    EXPECT_EQ(tap(menu, menu.getQuitButton()), 0);
    EXPECT_TRUE(menu.isConfirming());
    EXPECT_EQ(tap(menu, menu.getNoButton()), 0);
    EXPECT_FALSE(menu.isConfirming());
    menu.setTabIsExternallyPressed();  // the back key on the main panel asks
    EXPECT_EQ(menu.update(0), 0);
    EXPECT_TRUE(menu.isConfirming());
    menu.setTabIsExternallyPressed();  // and a second one confirms
    EXPECT_EQ(menu.update(0), 3);
    EXPECT_FALSE(menu.isOpen());
    // A request made while sliding is dropped when the slide ends.
    menu.setTabIsExternallyPressed();
    while (!menu.isClosed())
        menu.update(0);
    EXPECT_FALSE(menu.isConfirming());
    EXPECT_EQ(menu.update(0), 0);
}

TEST_F(InGameMenuTest, YesConfirmsTheQuit) {
    InGameMenu menu(false);
    openMenu(menu);
    tap(menu, menu.getQuitButton());
    EXPECT_EQ(tap(menu, menu.getYesButton()), 3);
}

TEST_F(InGameMenuTest, ContinueAndSwapTogetherGiveFourAndClose) {
    InGameMenu menu(false);
    openMenu(menu);
    touchButton(0, menu.getContinueButton());
    touchButton(1, menu.getSwapButton());
    menu.update(0);
    liftAll();
    EXPECT_EQ(menu.update(0), 4);
    EXPECT_FALSE(menu.isOpen());
    EXPECT_FALSE(menu.isClosed());
}

TEST_F(InGameMenuTest, ReplayMenuHasOnlyQuitAndContinueOnSwappedSides) {
    InGameMenu live(false), replay(true);
    EXPECT_EQ(replay.getSwapButton(), nullptr);
    EXPECT_EQ(replay.getMoveButton(), nullptr);
    EXPECT_GT(live.getQuitButton()->getCoord().x, live.getContinueButton()->getCoord().x);
    EXPECT_LT(replay.getQuitButton()->getCoord().x, replay.getContinueButton()->getCoord().x);
    openMenu(replay);
    EXPECT_EQ(tap(replay, replay.getContinueButton()), 2);
}

TEST_F(InGameMenuTest, MoveButtonOnlyWhereTheSticksMayMove) {
    bool saved = Device::allowChoosingThePositionOfTheJoystics;
    Device::allowChoosingThePositionOfTheJoystics = false;
    InGameMenu menu(false);
    Device::allowChoosingThePositionOfTheJoystics = saved;
    EXPECT_EQ(menu.getMoveButton(), nullptr);
    EXPECT_NE(menu.getSwapButton(), nullptr);
}

TEST_F(InGameMenuTest, WithTheSticksInUseOnlyAClosingMenuIsDrawn) {
    InGameMenu menu(false);
    EXPECT_EQ(litPixelsOf([&] { menu.draw(false); }), 0);  // closed
    menu.setTabIsExternallyPressed();
    menu.update(0);
    menu.update(0);
    menu.update(0);
    EXPECT_EQ(litPixelsOf([&] { menu.draw(true); }), 0);  // opening
    EXPECT_GT(litPixelsOf([&] { menu.draw(false); }), 0);
    while (!menu.isOpen())
        menu.update(0);
    EXPECT_EQ(litPixelsOf([&] { menu.draw(true); }), 0);
    tap(menu, menu.getContinueButton());
    menu.update(0);
    EXPECT_GT(litPixelsOf([&] { menu.draw(true); }), 0);  // closing
}

TEST_F(InGameMenuTest, PauseAlertDrawsAndAdvancesItsTint) {
    float before = InGamePauseAlert::time;
    EXPECT_GT(litPixelsOf([] { InGamePauseAlert::draw(); }), 1000);
    EXPECT_FLOAT_EQ(InGamePauseAlert::time, before + 0.08f);
}
