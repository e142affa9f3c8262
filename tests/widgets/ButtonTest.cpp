// Buttons: the press rule, touch feedback, outside presses, geometry, and the
// back and multiple-value buttons built on them.
#include <gtest/gtest.h>

#include "support/WidgetTestSupport.h"
#include "widgets/BackButton.h"
#include "widgets/MultipleValuesButton.h"

namespace {

using ButtonTest = WidgetTest;

const std::vector<std::string> kEnter = {"vibrate", "/data/sounds/blip1.caf"};

}  // namespace

TEST_F(ButtonTest, DownInsideThenLiftedPressesOnTheFrameTheSlotEmpties) {
    Button b("Play", Coord(300, 500, 0), 1);
    touchButton(0, &b);
    EXPECT_FALSE(b.update());
    EXPECT_EQ(events, kEnter);
    EXPECT_FALSE(b.update());  // held: no second blip
    EXPECT_EQ(events.size(), 2u);
    lift(0);
    EXPECT_TRUE(b.update());
    EXPECT_EQ(events.back(), "/data/sounds/blip2.caf");
    EXPECT_FALSE(b.update());
    EXPECT_EQ(events.size(), 3u);
}

TEST_F(ButtonTest, SlidingOffCancelsAndSlidingInThenLiftingPresses) {
    Button b("Play", Coord(300, 500, 0), 0);
    touchButton(1, &b);
    EXPECT_FALSE(b.update());
    touch(1, 5, 5);  // slid off, finger still down
    EXPECT_FALSE(b.update());
    EXPECT_EQ(events.back(), "/data/sounds/blip2.caf");
    lift(1);
    EXPECT_FALSE(b.update());
    // Begun outside, slid in, lifted inside: a press.
    touch(0, 5, 5);
    EXPECT_FALSE(b.update());
    touchButton(0, &b);
    EXPECT_FALSE(b.update());
    lift(0);
    EXPECT_TRUE(b.update());
}

TEST_F(ButtonTest, ExternalPressIsReportedByTheNextUpdateWithoutATouch) {
    Button b("Settings", Coord(300, 500, 0), 2);
    b.externalyPressed();
    EXPECT_EQ(events, kEnter);
    EXPECT_TRUE(b.update());
    EXPECT_FALSE(b.update());
}

TEST_F(ButtonTest, TouchTurnsItRedInFiveFramesAndColourWaitsForTheFeedbackToEnd) {
    Button b("Play", Coord(300, 500, 0), 1);
    touchButton(0, &b);
    for (int i = 0; i < 5; i++)
        b.update();
    EXPECT_NEAR(b.getOutlineColor().g, 0.0f, 1e-6);
    EXPECT_EQ(b.getOutlineColor().r, 1.0f);
    litPixelsOf([&] { b.drawWithColor(Color(1.0f, 1.0f, 0.0f)); });
    EXPECT_NEAR(b.getOutlineColor().b, 0.0f, 1e-6);
    EXPECT_NEAR(b.getOutlineColor().g, 0.0f, 1e-6);  // still the red feedback
    touch(0, 5, 5);
    for (int i = 0; i < 14; i++)
        b.update();
    EXPECT_EQ(b.getOutlineColor().g, 1.0f);
    litPixelsOf([&] { b.drawWithColor(Color(1.0f, 1.0f, 0.0f)); });
    EXPECT_EQ(b.getOutlineColor().b, 0.0f);  // now yellow
}

TEST_F(ButtonTest, OutlineOfEachDecorationAtWidth1024) {
    Device::setScreenSize(1024, 600);
    const float s = 1024 / 240.0f;
    struct Case {
        int decoration;
        float a, b, c;
        int segments;
    } cases[] = {{0, 0, 0, 0, 6}, {1, 12 * s, 12 * s, 12 * s, 6}, {2, 18 * s, 8 * s, 12 * s, 9}};
    for (const Case& k : cases) {
        Button b("", Coord(500, 300, 0), k.decoration);
        b.setWidthAndHeight(Coord(200, 100, 0));
        const float h = 100, w = 50;
        const float expected[18][2] = {
            {-h, -w + k.a}, {-h, w},  {-h, w},        {h - k.b, w},   {h - k.b, w},   {h, w - k.b},
            {h, w - k.b},   {h, -w},  {h, -w},        {-h + k.a, -w}, {-h + k.a, -w}, {-h, -w + k.a},
            {-h + k.c, -w}, {-h, -w}, {-h, -w + k.c}, {-h, -w},       {-h + k.c, -w}, {-h, -w + k.c},
        };
        EXPECT_EQ(b.getOutlineSegments(), k.segments);
        for (int i = 0; i < 18; i++) {
            EXPECT_NEAR(b.getOutlinePoint(i).x, expected[i][0], 1e-3) << k.decoration << " point " << i;
            EXPECT_NEAR(b.getOutlinePoint(i).y, expected[i][1], 1e-3) << k.decoration << " point " << i;
        }
        EXPECT_EQ(b.getCollisionPosition().x, 400.0f);
        EXPECT_EQ(b.getCollisionPosition().y, 250.0f);
    }
}

TEST_F(ButtonTest, SizeFollowsTheLabelAndOffsetMovesOnlyTheTouchArea) {
    Button b("Quit", Coord(300, 500, 0), 1);
    Coord size = b.getWidthAndHeight();
    EXPECT_GT(size.x, 10.0f);
    EXPECT_GT(size.y, size.x);
    b.addOffsetToCollisionRect(Coord(-200, 100, 0));
    EXPECT_EQ(b.getCoord().x, 300.0f);
    EXPECT_EQ(b.getCollisionPosition().x, 300 - size.x / 2 - 200);
    // The old place no longer reacts, the shifted one does.
    touch(0, 300, 500);
    b.update();
    lift(0);
    EXPECT_FALSE(b.update());
    touch(0, 100, 600);
    b.update();
    lift(0);
    EXPECT_TRUE(b.update());
    b.resetCollisionRect();
    EXPECT_EQ(b.getCollisionPosition().x, 300 - size.x / 2);
}

TEST_F(ButtonTest, BackButtonsLieAlongTheirEdgesAndForwardOutsidePresses) {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    const struct {
        int type;
        float x, y;
    } cases[] = {{0, 0.92f * W, 0.5f * H}, {1, 0.5f * W, 0.92f * H}, {2, 0.5f * W, 0.08f * H}};
    for (auto& k : cases) {
        BackButton back(k.type);
        ASSERT_NE(back.getButton(), nullptr);
        EXPECT_FLOAT_EQ(back.getButton()->getCoord().x, k.x);
        EXPECT_FLOAT_EQ(back.getButton()->getCoord().y, k.y);
        touch(0, k.x, k.y);
        EXPECT_FALSE(back.update());
        lift(0);
        EXPECT_TRUE(back.update()) << k.type;
        CanBeExternallyPressed* asWidget = &back;
        asWidget->externalyPressed();
        EXPECT_TRUE(back.update());
    }
}

TEST_F(ButtonTest, BackButtonOfAnUnknownTypeNeitherReportsNorDraws) {
    BackButton back(7);
    EXPECT_EQ(back.getButton(), nullptr);
    back.externalyPressed();
    back.setIsHighlighted(true);
    EXPECT_FALSE(back.update());
    EXPECT_EQ(litPixelsOf([&] { back.draw(); }), 0);
}

TEST_F(ButtonTest, MultipleValuesCycleKeepTheirBoxAndTakeTheLastMatch) {
    Coord size(120, 300, 0);
    MultipleValuesButton m(Coord(300, 500, 0), size, 1);
    m.addValue("Off", 0);
    m.addValue("Low", 1);
    m.addValue("A much longer label than the others", 1);
    EXPECT_EQ(m.getButton()->getString(), "Off");
    for (int i = 0; i < 3; i++) {
        m.externalyPressed();
        EXPECT_TRUE(m.update());
        EXPECT_EQ(m.getButton()->getWidthAndHeight().y, size.y);
        EXPECT_EQ(m.getButton()->getWidthAndHeight().x, size.x);
    }
    EXPECT_EQ(m.getButton()->getString(), "Off");
    m.setActiveValue(1);
    EXPECT_EQ(m.getActiveIndex(), 2);
    EXPECT_EQ(m.getActiveValue(), 1);
    m.setActiveValue(42);
    EXPECT_EQ(m.getActiveIndex(), 2);
    EXPECT_EQ(m.getButton()->getWidthAndHeight().y, size.y);
}

TEST_F(ButtonTest, MultipleValuesButtonWithoutEntriesIsSafe) {
    MultipleValuesButton m(Color(1, 1, 0), Coord(300, 500, 0), Coord(120, 300, 0), Button::DECORATION_CUT);
    EXPECT_EQ(m.getActiveValue(), 0);
    m.setActiveValue(3);
    m.externalyPressed();
    EXPECT_TRUE(m.update());
    EXPECT_EQ(m.getActiveValue(), 0);
    EXPECT_GT(litPixelsOf([&] { m.draw(); }), 0);
}
