// The main loop on the headless back end: touch slots, navigator events, exit.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "core/Device.h"
#include "graphics/AudioPlayer.h"
#include "platform/navigator.h"
#include "platform/screen.h"
#include "savedata/Preferences.h"
#include "support/HeadlessGame.h"

namespace {

class MainLoopTest : public testing::Test {
protected:
    void SetUp() override {
        startHeadlessLoop();
        screen = new ScriptedScreen();
        Game::getInstance()->setCurrentState(screen);
        MainLoopState fresh;
        fresh.screen_cxt = mainLoop.screen_cxt;
        fresh.width = mainLoop.width;
        fresh.height = mainLoop.height;
        mainLoop = fresh;
        Preferences::getInstance()->setMusicEnabled(true);
    }
    ScriptedScreen* screen = nullptr;
};

}  // namespace

TEST_F(MainLoopTest, SurfaceSizeBecomesTheTurnedGameFrame) {
    EXPECT_EQ(mainLoop.width, 1024);
    EXPECT_EQ(mainLoop.height, 600);
    EXPECT_EQ(Device::screenWidth, 600);
    EXPECT_EQ(Device::screenHeight, 1024);
}

// Window pixels (px, py) reach the game as x = 600 - py (up) and, after the
// game's own flip, y = 1024 - px.
TEST_F(MainLoopTest, TouchSlots) {
    struct Step {
        const char* what;
        int type, px, py, id;  // type 0: navigator window-state event
        int x0, y0, x1, y1;    // what the screens see afterwards
    } steps[] = {
        {"first finger", SCREEN_EVENT_MTOUCH_TOUCH, 100, 50, 5, 550, 924, -1, -1},
        {"second finger", SCREEN_EVENT_MTOUCH_TOUCH, 200, 60, 6, 550, 924, 540, 824},
        {"third finger ignored", SCREEN_EVENT_MTOUCH_TOUCH, 300, 300, 7, 550, 924, 540, 824},
        {"slot 1 lifts: slot 2 comes first", SCREEN_EVENT_MTOUCH_RELEASE, 100, 50, 5, 540, 824, -1, -1},
        {"move of a lifted finger is not passed on", SCREEN_EVENT_MTOUCH_MOVE, 300, 70, 5, 540, 824, -1, -1},
        {"new finger takes the freed slot", SCREEN_EVENT_MTOUCH_TOUCH, 400, 80, 7, 520, 624, 540, 824},
        {"a coordinate of -1 becomes -2", SCREEN_EVENT_MTOUCH_MOVE, 10, 601, 6, 520, 624, -2, 1014},
        {"release of an unknown id", SCREEN_EVENT_MTOUCH_RELEASE, 0, 0, 99, 520, 624, -2, 1014},
        {"window state frees both", 0, 0, 0, 0, -1, -1, -1, -1},
    };
    for (const Step& s : steps) {
        if (s.type)
            screen_inject_touch(s.type, s.px, s.py, s.id);
        else
            navigator_inject_event(NAVIGATOR_WINDOW_STATE);
        mainLoopFrame();
        EXPECT_EQ(State::touchX[0], s.x0) << s.what;
        EXPECT_EQ(State::touchY[0], s.y0) << s.what;
        EXPECT_EQ(State::touchX[1], s.x1) << s.what;
        EXPECT_EQ(State::touchY[1], s.y1) << s.what;
    }
    EXPECT_EQ(mainLoop.x1, 520);  // the lifted finger's move was still stored
    EXPECT_EQ(mainLoop.id1, 7);
}

TEST_F(MainLoopTest, TouchOnlyInSlotTwoAndReturningFinger) {
    screen_inject_touch(SCREEN_EVENT_MTOUCH_TOUCH, 10, 10, 1);
    screen_inject_touch(SCREEN_EVENT_MTOUCH_TOUCH, 20, 20, 2);
    screen_inject_touch(SCREEN_EVENT_MTOUCH_RELEASE, 10, 10, 1);
    mainLoopFrame();
    EXPECT_FALSE(mainLoop.used1);
    EXPECT_EQ(State::touchX[0], 580);
    // A new finger while slot 1 is free and slot 2 held goes to slot 1.
    screen_inject_touch(SCREEN_EVENT_MTOUCH_TOUCH, 30, 30, 3);
    mainLoopFrame();
    EXPECT_TRUE(mainLoop.used1);
    EXPECT_EQ(mainLoop.id1, 3);
    EXPECT_EQ(State::touchX[0], 570);
    EXPECT_EQ(State::touchX[1], 580);
}

TEST_F(MainLoopTest, NavigatorEvents) {
    AudioPlayer* player = AudioPlayer::getInstance();
    struct Step {
        const char* what;
        bool music;
        unsigned code;
        bool pausedAfter;
        bool touchesKept;
    } steps[] = {
        {"active, music on: resumes", true, NAVIGATOR_WINDOW_ACTIVE, false, true},
        {"inactive, music on: pauses and forgets touches", true, NAVIGATOR_WINDOW_INACTIVE, true, false},
        {"active, music off: stays paused", false, NAVIGATOR_WINDOW_ACTIVE, true, true},
        {"inactive, music off: forgets touches all the same", false, NAVIGATOR_WINDOW_INACTIVE, true, false},
        // Turning the music on resumes it at once; the unknown event leaves it so.
        {"other codes are ignored", true, 7, false, true},
    };
    for (const Step& s : steps) {
        Preferences::getInstance()->setMusicEnabled(s.music);
        screen_inject_touch(SCREEN_EVENT_MTOUCH_TOUCH, 10, 10, 1);
        mainLoopFrame();
        navigator_inject_event(s.code);
        mainLoopFrame();
        EXPECT_EQ(player->paused, s.pausedAfter) << s.what;
        EXPECT_EQ(mainLoop.used1, s.touchesKept) << s.what;
        EXPECT_EQ(Game::getInstance()->touchIsActive(0), s.touchesKept) << s.what;
        mainLoop.used1 = false;
    }

    navigator_inject_event(NAVIGATOR_SWIPE_DOWN);
    mainLoopFrame();
    EXPECT_EQ(screen->pauses, 1);
}

TEST_F(MainLoopTest, ExitLetsTheFrameFinish) {
    int updates = screen->updates, draws = screen->draws;
    navigator_inject_event(NAVIGATOR_EXIT);
    mainLoopFrame();
    EXPECT_EQ(mainLoop.exit_application, 1);
    EXPECT_EQ(screen->updates, updates + 1);
    EXPECT_EQ(screen->draws, draws + 1);
}

// Each checked step of the start-up that fails prints its own line and ends
// the start-up with 1. Each case runs in a fresh process of this program, so
// that the surface the other tests draw on is never torn down.
TEST(MainLoopStartUp, EachFailingStepPrintsItsOwnLine) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const char* lines[] = {"glwin_init_egl failed", "initialize failed", "screen_request_events failed",
                           "navigator_request_events failed", "navigator_rotation_lock failed"};
    for (int step = 1; step <= 5; step++) {
        EXPECT_EXIT(
            {
                setenv("ZORBIX_HEADLESS", "1", 1);
                StartUpFaults::failStep = step;
                _exit(startPlatformAndGame() == 1 ? 3 : 0);
            },
            testing::ExitedWithCode(3), std::string("^") + lines[step - 1] + "\n$");
    }
}
