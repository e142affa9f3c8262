// The flow driver itself: taps land where they are aimed, key lines reach the
// key bits and the pause, lines queued while running arrive on their frame.
#include <gtest/gtest.h>

#include "core/KeyPress.h"
#include "support/FlowDriver.h"

namespace {

// Records what the loop hands the screen on each update.
class Recorder : public ScriptedScreen {
public:
    StateTransition* updateState() override {
        if (State::touchX[0] >= 0) {
            lastTouch = Coord((float)State::touchX[0], (float)State::touchY[0], 0);
            touchedUpdates++;
        }
        keys |= State::keyJustGotPressedBitArray;
        return ScriptedScreen::updateState();
    }
    Coord lastTouch{-1, -1, 0};
    int touchedUpdates = 0;
    int keys = 0;
};

}  // namespace

using FlowDriverTest = FlowTest;

TEST_F(FlowDriverTest, TapsLandOnTheirPointForOneUpdate) {
    const Coord points[] = {Coord(100, 50, 0), Coord(Device::screenWidth * 0.7f, Device::screenHeight * 0.3f, 0),
                            Coord(5, Device::screenHeight - 5.0f, 0)};
    for (Coord p : points) {
        Recorder* r = new Recorder();
        driver.show(r);
        driver.tap(p);
        EXPECT_EQ(r->touchedUpdates, 1);
        EXPECT_NEAR(r->lastTouch.x, p.x, 1.0f);
        EXPECT_NEAR(r->lastTouch.y, p.y, 1.0f);
    }
}

TEST_F(FlowDriverTest, KeysReachTheBitsTheBackAndThePause) {
    Recorder* r = new Recorder();
    driver.show(r);
    driver.key("Return");
    driver.key("K");
    EXPECT_EQ(r->keys, KeyPress::BIT_KEY_PRESS | KeyPress::BIT_KEY_SHOOT_DOWN);
    driver.key("Escape");
    EXPECT_EQ(r->backs, 1);
    driver.key("P");
    EXPECT_EQ(r->pauses, 1);
    EXPECT_FALSE(platformQueueInput("1 key Nothing down"));
    EXPECT_FALSE(platformQueueInput("1 jump"));
}

TEST_F(FlowDriverTest, SettleWaitsForTheSwitchAndTheTypeIsKept) {
    Recorder* first = new Recorder();
    driver.show(first);
    ScriptedScreen* second = new ScriptedScreen();
    first->requestAt(first->updates + 1, second, 3);
    int before = driver.switchCount();
    driver.frame();
    EXPECT_TRUE(Game::getInstance()->isInTransition());
    ASSERT_TRUE(driver.settle());
    EXPECT_EQ(driver.current(), second);
    EXPECT_EQ(driver.lastSwitchType(), 3);
    EXPECT_EQ(driver.switchCount(), before + 1);
}
