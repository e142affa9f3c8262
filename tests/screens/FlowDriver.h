// Drives the real loop headless (mainStartUp, mainLoopFrame) through the input
// script, in a fresh game directory: taps at widget-frame points, keys by
// their desktop names, and frames until a screen switch has ended.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/Coord.h"
#include "core/Device.h"
#include "core/Game.h"
#include "core/HeadlessGame.h"
#include "core/MainLoop.h"
#include "core/State.h"
#include "platform/platform.h"
#include "savedata/Preferences.h"
#include "support/StateGuards.h"
#include "support/TempGameDir.h"

class FlowDriver {
public:
    // Frames run by one call of settle before it gives up.
    static const int SETTLE_LIMIT = 400;

    // One frame of the real loop.
    void frame() {
        mainLoopFrame();
        frames++;
    }
    void run(int n) {
        for (int i = 0; i < n; i++)
            frame();
    }

    // The window pixel that the loop and Game turn into this widget-frame
    // point (the inverse of the touch mapping, screen not reversed).
    static void windowPixelOf(Coord c, int* px, int* py) {
        float m = Device::touchMultiplier;
        *py = (int)lround(mainLoop.height - c.x / m);
        *px = (int)lround((Device::touchScreenHeight - c.y) / m);
    }

    // A finger down on the next frame and up on the one after; both frames run.
    void tap(Coord c) {
        int px, py;
        windowPixelOf(c, &px, &py);
        long f = platformInputFrame() + 1;
        queue(std::to_string(f) + " touch 7 " + std::to_string(px) + " " + std::to_string(py));
        queue(std::to_string(f + 1) + " release 7");
        run(2);
    }
    // The centre of a widget's touch rectangle.
    void tapRect(Coord position, Coord size) { tap(Coord(position.x + size.x / 2, position.y + size.y / 2, 0)); }

    // A key down on the next frame and up on the one after; both frames run.
    void key(const std::string& name) {
        long f = platformInputFrame() + 1;
        queue(std::to_string(f) + " key " + name + " down");
        queue(std::to_string(f + 1) + " key " + name + " up");
        run(2);
    }

    // Frames until no switch runs and the shown screen is active.
    bool settle() {
        Game* g = Game::getInstance();
        for (int i = 0; i < SETTLE_LIMIT; i++) {
            if (!g->isInTransition() && g->getCurrentState() && g->getCurrentState()->active)
                return true;
            frame();
        }
        return false;
    }

    // Shows a screen at once, as a finished switch leaves it.
    void show(State* screen) {
        settle();
        Game::getInstance()->setCurrentState(screen);
        screen->active = true;
    }

    State* current() { return Game::getInstance()->getCurrentState(); }
    template <class T>
    T* currentAs() {
        return dynamic_cast<T*>(current());
    }
    int lastSwitchType() { return Game::getInstance()->getLastTransitionType(); }
    int switchCount() { return Game::getInstance()->getTransitionCount(); }

    static void queue(const std::string& line) { ASSERT_TRUE(platformQueueInput(line)) << line; }

    int frames = 0;
};

// A fresh profile in a directory of its own for every test, the real loop
// started once per process; every screen a test made is gone at its end.
class FlowTest : public ::testing::Test {
protected:
    void SetUp() override {
        startHeadlessLoop();
        Preferences::reloadForTests();
        driver.show(new ScriptedScreen());
    }
    void TearDown() override {
        // The screens of the test go while their directory still exists.
        driver.show(new ScriptedScreen());
    }

    PreferencesGuard preferences;  // reloads from the usual folder once dir has gone
    TempGameDir dir;
    FlowDriver driver;
};
