// Widget tests: the real game on the headless back end, touches written
// straight into this frame's slots, and the widgets' sounds and vibrations
// recorded in order. Screen size, keyboard flag and recorder are restored.
#pragma once

#include <GLES/gl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Device.h"
#include "core/State.h"
#include "support/HeadlessGame.h"
#include "widgets/Button.h"
#include "widgets/WidgetFeedback.h"

class WidgetTest : public testing::Test {
protected:
    void SetUp() override {
        startHeadlessLoop();
        game = Game::getInstance();
        savedWidth = Device::screenWidth;
        savedHeight = Device::screenHeight;
        savedKeyboard = Device::hasKeyboard;
        savedGrid = Game::enableBackgroundGrid;
        Device::hasKeyboard = false;
        liftAll();
        WidgetFeedback::observer = [this](const std::string& event) { events.push_back(event); };
    }
    void TearDown() override {
        WidgetFeedback::observer = nullptr;
        liftAll();
        Device::setScreenSize(savedWidth, savedHeight);
        Device::hasKeyboard = savedKeyboard;
        Game::enableBackgroundGrid = savedGrid;
    }

    static void touch(int slot, float x, float y) {
        State::touchX[slot] = (int)x;
        State::touchY[slot] = (int)y;
    }
    static void lift(int slot) { State::touchX[slot] = State::touchY[slot] = -1; }
    static void liftAll() {
        lift(0);
        lift(1);
    }
    // The middle of the button's touch area.
    static void touchButton(int slot, Button* b) {
        Coord p = b->getCollisionPosition(), s = b->getWidthAndHeight();
        touch(slot, p.x + s.x / 2, p.y + s.y / 2);
    }
    // Lit pixels of what draw() puts on a cleared frame, through the real
    // Game::draw without the background grid.
    template <class F>
    int litPixelsOf(F draw) {
        Game::enableBackgroundGrid = false;
        ScriptedScreen* screen = new ScriptedScreen();
        screen->onDraw = draw;
        game->setCurrentState(screen);
        game->draw();
        // The screen stays current after the test; what it drew may not.
        screen->onDraw = nullptr;
        std::vector<unsigned char> rgba(1024 * 600 * 4);
        glFinish();
        glReadPixels(0, 0, 1024, 600, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        int lit = 0;
        for (size_t i = 0; i < rgba.size(); i += 4)
            if (rgba[i] || rgba[i + 1] || rgba[i + 2])
                lit++;
        return lit;
    }

    Game* game = nullptr;
    std::vector<std::string> events;
    int savedWidth = 0, savedHeight = 0;
    bool savedKeyboard = false, savedGrid = true;
};
