// Keyboard focus: moves along the links in a fixed order, presses the focused
// widget, and does nothing without a keyboard.
#include <gtest/gtest.h>

#include "core/KeyPress.h"
#include "support/WidgetTestSupport.h"
#include "widgets/KeyboardNavigation.h"
#include "widgets/NavigationGrid.h"
#include "widgets/NavigationNode.h"

namespace {

// A 2 x 2 grid of widgets: a b on the top row, c d below.
class NavigationTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        NavigationGrid grid(2, 2);
        for (int i = 0; i < 4; i++) {
            nodes[i] = navigation.addNode(&widgets[i]);
            grid.add(nodes[i], i % 2, i / 2);
        }
        grid.add(nodes[0], 5, 0);  // outside: ignored
        navigation.automaticallySetLinks(&grid, false);
        navigation.setCurrentNode(nodes[2]);
    }
    CanBeExternallyPressed widgets[4];
    NavigationNode* nodes[4] = {};
    KeyboardNavigation navigation;
};

}  // namespace

TEST_F(NavigationTest, UpIsAppliedBeforeRightAndMissingLinksKeepTheFocus) {
    Device::hasKeyboard = true;
    navigation.update(KeyPress::BIT_KEY_UP | KeyPress::BIT_KEY_RIGHT);
    EXPECT_EQ(navigation.getCurrentNode(), nodes[1]);
    EXPECT_TRUE(widgets[1].highlighted);
    EXPECT_FALSE(widgets[0].highlighted);
    EXPECT_FALSE(widgets[2].highlighted);
    navigation.update(KeyPress::BIT_KEY_UP);  // nothing above b
    EXPECT_EQ(navigation.getCurrentNode(), nodes[1]);
    navigation.update(KeyPress::BIT_KEY_PRESS);
    EXPECT_TRUE(widgets[1].pressed);
    navigation.update(KeyPress::BIT_KEY_SHOOT_DOWN | KeyPress::BIT_KEY_DOWN);
    EXPECT_TRUE(widgets[3].pressed);
    EXPECT_EQ(events.size(), 4u);  // two presses, each a vibration and a blip
}

TEST_F(NavigationTest, WithoutAKeyboardNothingIsHighlightedOrPressed) {
    navigation.update(0x7FF);
    EXPECT_EQ(navigation.getCurrentNode(), nodes[2]);
    for (auto& w : widgets) {
        EXPECT_FALSE(w.highlighted);
        EXPECT_FALSE(w.pressed);
    }
    widgets[0].setIsHighlighted(true);
    EXPECT_FALSE(widgets[0].highlighted);
}

TEST_F(NavigationTest, GridLinksAndEmptyGraph) {
    EXPECT_EQ(nodes[0]->right, nodes[1]);
    EXPECT_EQ(nodes[0]->down, nodes[2]);
    EXPECT_EQ(nodes[0]->up, nullptr);
    EXPECT_EQ(nodes[3]->left, nodes[2]);
    EXPECT_EQ(nodes[3]->right, nullptr);
    Device::hasKeyboard = true;
    KeyboardNavigation empty;
    empty.update(0x7FF);
    EXPECT_EQ(empty.getCurrentNode(), nullptr);
}

TEST_F(NavigationTest, FocusEchoIsDrawnOnlyWithAKeyboard) {
    Button b("Play", Coord(300, 500, 0), 1);
    b.setIsHighlighted(true);
    b.update();
    int plain = litPixelsOf([&] { b.draw(); });
    Device::hasKeyboard = true;
    b.setIsHighlighted(true);
    for (int i = 0; i < 20; i++)
        b.update();
    EXPECT_GT(litPixelsOf([&] { b.draw(); }), plain);
}
