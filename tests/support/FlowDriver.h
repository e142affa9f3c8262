// Drives the real loop headless (mainStartUp, mainLoopFrame) through the input
// script, in a fresh game directory: taps at widget-frame points, keys by
// their desktop names, and frames until a screen switch has ended.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <typeinfo>
#include <vector>

#include "core/Coord.h"
#include "core/Device.h"
#include "core/Game.h"
#include "core/MainLoop.h"
#include "core/State.h"
#include "graphics/Explosion.h"
#include "graphics/SoundManager.h"
#include "graphics/TexturedExplosionsHandler.h"
#include "levelplay/Campaign.h"
#include "levelplay/LevelInformation.h"
#include "levelplay/LevelList.h"
#include "levelplay/StatePlay.h"
#include "platform/platform.h"
#include "savedata/Achievements.h"
#include "savedata/Preferences.h"
#include "savedata/Scores.h"
#include "screens/LevelMenu.h"
#include "screens/ScrollingScores.h"
#include "screens/StateChooseLevel.h"
#include "script/LuaScriptList.h"
#include "support/HeadlessGame.h"
#include "support/PlayScreenState.h"
#include "support/TempGameDir.h"
#include "widgets/BackButton.h"
#include "widgets/Button.h"

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

    // A tap at the middle of a button's touch area; with release of the slot
    // the button's next update reports the press.
    void tap(Button* b) { tap(middleOf(b)); }
    void tap(BackButton* b) { tap(b->getButton()); }
    static Coord middleOf(Button* b) {
        Coord p = b->getCollisionPosition(), size = b->getWidthAndHeight();
        return Coord(p.x + size.x / 2, p.y + size.y / 2, 0);
    }
    // A finger put down at from, moved to to in steps of at most 20 pixels,
    // held there a few frames (no momentum), then lifted; all frames run.
    void drag(Coord from, Coord to) {
        int fx, fy, tx, ty;
        windowPixelOf(from, &fx, &fy);
        windowPixelOf(to, &tx, &ty);
        int steps = std::max(1, (std::max(std::abs(tx - fx), std::abs(ty - fy)) + 19) / 20);
        long f = platformInputFrame() + 1;
        queue(std::to_string(f) + " touch 9 " + std::to_string(fx) + " " + std::to_string(fy));
        for (int i = 1; i <= steps; i++)
            queue(std::to_string(f + i) + " move 9 " + std::to_string(fx + (tx - fx) * i / steps) + " " +
                  std::to_string(fy + (ty - fy) * i / steps));
        queue(std::to_string(f + steps + 4) + " release 9");
        run(steps + 5);
    }

    // Two fingers down together on the next frame, both up on the one after.
    void tapTogether(Coord a, Coord b) {
        int ax, ay, bx, by;
        windowPixelOf(a, &ax, &ay);
        windowPixelOf(b, &bx, &by);
        long f = platformInputFrame() + 1;
        queue(std::to_string(f) + " touch 7 " + std::to_string(ax) + " " + std::to_string(ay));
        queue(std::to_string(f) + " touch 8 " + std::to_string(bx) + " " + std::to_string(by));
        queue(std::to_string(f + 1) + " release 7");
        queue(std::to_string(f + 1) + " release 8");
        run(2);
    }

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
    // Waits for the switch and checks its type and the screen reached.
    template <class T>
    T* arrived(int type) {
        EXPECT_TRUE(settle());
        EXPECT_EQ(lastSwitchType(), type);
        T* screen = currentAs<T>();
        State& shown = *current();
        EXPECT_NE(screen, nullptr) << typeid(shown).name();
        return screen;
    }
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
    // Every level of the catalogue is shadowed by this one: nothing waits for
    // content, and a game ends when the test sets StatePlay::gameIsFinished.
    static constexpr const char* TINY_LEVEL = "function init() end\nfunction update() end\n";

    void SetUp() override {
        // The game's own resources: a sound loaded from an empty folder would
        // stay cached as missing for every later test.
        std::string native = dir.root + "/app/native";
        if (rmdir(native.c_str()) != 0 || symlink(ZORBIX_GAME_DIR "/app/native", native.c_str()) != 0)
            FAIL() << "cannot link the game's resources";
        startHeadlessLoop();
        reloadProfile();
        playState.capture();
        LevelList* list = LevelList::getInstance();
        for (int i = 0; i < list->getNumberOfLevels(); i++)
            shadow(list->getLevelInformation(i)->path);
        for (int c = 0; c < list->getNumberOfCampaigns(); c++)
            for (int i = 0; i < list->getCampaign(c)->size(); i++)
                shadow(list->getCampaign(c)->get(i)->path);
        shadow("/data/levels/campaign0/tutorial/tutorial.lua");
        driver.show(new ScriptedScreen());
    }
    void TearDown() override {
        // The screens of the test go while their directory still exists.
        driver.show(new ScriptedScreen());
        for (const std::string& path : shadowed)
            LuaScriptList::getInstance()->removeScriptForTests(path);
        playState.restore();
    }

    // The profile as the test's folder holds it.
    static void reloadProfile() {
        Preferences::reloadForTests();
        Achievements::reloadForTests();
        Scores::reloadForTests();
    }
    void shadow(const std::string& path) {
        LuaScriptList::getInstance()->addScriptForTests(path, TINY_LEVEL);
        shadowed.push_back(path);
    }
    // The level screen's score list makes its rows at random moments: frames
    // until they are all there.
    void waitForRows(StateChooseLevel* level) {
        for (int i = 0; i < 2000 && !level->getPanel()->getShownList()->getAllRowsMade(); i++)
            driver.frame();
        driver.run(10);
    }
    // Ends the running game with a score; its exit follows within a frame or two.
    void finishGame(int score) {
        Game::setScore(score);
        StatePlay::gameIsFinished = true;
        driver.run(2);
        StatePlay::gameIsFinished = false;
    }

    // Once dir has gone, the profile is read again from the usual folder.
    struct ProfileReload {
        ~ProfileReload() { reloadProfile(); }
    } profileReload;
    TempGameDir dir;
    FlowDriver driver;
    std::vector<std::string> shadowed;
    PlayScreenState playState;
};
