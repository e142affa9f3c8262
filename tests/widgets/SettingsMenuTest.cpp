// Settings list: taps against drags, the opening slide, the capture area and
// the counters.
#include <gtest/gtest.h>

#include "support/WidgetTestSupport.h"
#include "widgets/DrawableString.h"
#include "widgets/MultipleValuesButton.h"
#include "widgets/SettingsMenu.h"

namespace {

class SettingsMenuTest : public WidgetTest {
protected:
    // Rows: a single value (18), three values (9), two values (6), two more.
    void fill(SettingsMenu& menu) {
        MultipleValuesButton* single = new MultipleValuesButton(Coord(), Coord(), 1);
        single->addValue("^rCustomize joysticks position", 0);
        menu.addButton(single, Settings::JOYSTICKS_POSITION);
        MultipleValuesButton* three =
            new MultipleValuesButton(Color(0.6f, 1, 0.6f), Coord(), Coord(), Button::DECORATION_CUT);
        for (int v = 0; v < 3; v++)
            three->addValue("Line width: " + std::to_string(v + 1) + " px", v);
        menu.addButton(three, Settings::LINE_WIDTH);
        for (Settings::TYPES t : {Settings::SOUND_EFFECTS, Settings::MUSIC, Settings::AUTO_PAUSE}) {
            MultipleValuesButton* two = new MultipleValuesButton(Coord(), Coord(), 1);
            two->addValue("on", 0);
            two->addValue("off", 1);
            menu.addButton(two, t);
        }
    }
    void settle(SettingsMenu& menu) {
        Settings::TYPES type;
        int value = -1;
        for (int i = 0; i < 200; i++)
            menu.update(&type, &value);
    }
    // Where row `row` is drawn (and touched) now.
    Coord rowCentre(SettingsMenu& menu, int row) {
        Button* b = menu.getRowButton(row)->getButton();
        return Coord(b->getCoord().x + menu.getOffset(), b->getCoord().y, 0);
    }
};

}  // namespace

TEST_F(SettingsMenuTest, OpensWithASlideThatSpringsBack) {
    SettingsMenu menu;
    fill(menu);
    Settings::TYPES type;
    int value = 77;
    menu.update(&type, &value);
    EXPECT_FLOAT_EQ(menu.getOffset(), -200.0f + 200.0f * 0.2f);
    EXPECT_EQ(type, Settings::NONE);
    EXPECT_EQ(value, 77);
    settle(menu);
    // Five rows of 0.28 W reach past the screen: the list rests between its ends.
    float W = (float)Device::screenWidth;
    EXPECT_GE(menu.getOffset(), -1.0f);
    EXPECT_LE(menu.getOffset(), 5 * 0.28f * W - W);
}

TEST_F(SettingsMenuTest, ATapPressesAndADragNeverDoesEvenComingBack) {
    SettingsMenu menu;
    fill(menu);
    settle(menu);
    Settings::TYPES type;
    int value = -1;
    float W = (float)Device::screenWidth;
    Coord c = rowCentre(menu, 1);
    touch(0, c.x, c.y);
    menu.update(&type, &value);
    touch(0, c.x + 0.09f * W, c.y);  // within 0.1 W
    menu.update(&type, &value);
    lift(0);
    menu.update(&type, &value);
    EXPECT_EQ(type, Settings::LINE_WIDTH);
    EXPECT_EQ(value, 1);
    EXPECT_EQ(menu.getCounter(1)->getString(), "2/3");

    settle(menu);
    c = rowCentre(menu, 2);
    touch(0, c.x, c.y);
    menu.update(&type, &value);
    touch(0, c.x - 0.15f * W, c.y);
    menu.update(&type, &value);
    EXPECT_TRUE(menu.getIsDragging());
    touch(0, c.x, c.y);
    menu.update(&type, &value);
    lift(0);
    menu.update(&type, &value);
    EXPECT_EQ(type, Settings::NONE);
    EXPECT_EQ(menu.getRowButton(2)->getActiveValue(), 0);
}

TEST_F(SettingsMenuTest, TouchesLowOnTheScreenAreNotCaptured) {
    SettingsMenu menu;
    fill(menu);
    settle(menu);
    Settings::TYPES type;
    int value;
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    float low = ceilf(0.74f * H);  // touches arrive in whole pixels
    touch(0, 0.5f * W, low);
    menu.update(&type, &value);
    float before = menu.getOffset();
    touch(0, 0.2f * W, low);
    menu.update(&type, &value);
    EXPECT_FALSE(menu.getIsDragging());
    EXPECT_NEAR(menu.getOffset(), before, 1.0f);
    touch(0, 0.5f * W, 0.7f * H);  // just inside: captured, then dragged
    menu.update(&type, &value);
    touch(0, 0.2f * W, 0.7f * H);
    menu.update(&type, &value);
    EXPECT_TRUE(menu.getIsDragging());
}

TEST_F(SettingsMenuTest, CountersShowTheValuePlusOne) {
    SettingsMenu menu;
    fill(menu);
    EXPECT_EQ(menu.getCounter(0)->getString(), " >>");
    EXPECT_EQ(menu.getCounter(1)->getString(), "1/3");
    // A two-value row whose first entry is 1 shows 2/2 on it.
    MultipleValuesButton* flipped = new MultipleValuesButton(Coord(), Coord(), 1);
    flipped->addValue("\"Play Again\" screen on", 1);
    flipped->addValue("\"Play Again\" screen off", 0);
    menu.addButton(flipped, Settings::PLAY_AGAIN_SCREEN);
    EXPECT_EQ(menu.getCounter(5)->getString(), "2/2");
    EXPECT_GT(litPixelsOf([&] { menu.draw(); }), 1000);
}
