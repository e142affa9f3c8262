// Test helpers: the real start-up on the headless back end, once per process,
// and a screen whose updates, draws and requests a test scripts.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>

#include "Startup.h"
#include "core/Game.h"
#include "core/MainLoop.h"
#include "core/State.h"
#include "core/StateTransition.h"

// The game's own start-up on the headless back end, once per process: its GL
// context is the only one the tests draw in, so the models, fonts and textures
// that any test caches stay valid for every later test. False when it failed.
inline bool startHeadlessGame() {
    static int state = 0;  // 0 untried, 1 running, 2 failed
    if (state == 0) {
        setenv("ZORBIX_HEADLESS", "1", 1);
        state = mainStartUp() == 0 ? 1 : 2;
    }
    return state == 1;
}

inline void startHeadlessLoop() { ASSERT_TRUE(startHeadlessGame()) << "the headless start-up failed"; }

class ScriptedScreen : public State {
public:
    ScriptedScreen() { alive++; }
    ~ScriptedScreen() override {
        alive--;
        for (auto& entry : plan)
            delete entry.second;
    }

    // Returns t from the update with this number (counted from 1).
    void requestAt(int update, State* next, int type) { plan[update] = new StateTransition(next, type); }

    StateTransition* updateState() override {
        updates++;
        touchAtUpdate[0] = State::touchX[0];
        auto found = plan.find(updates);
        if (found == plan.end())
            return nullptr;
        StateTransition* t = found->second;
        plan.erase(found);
        return t;
    }
    void draw() override {
        draws++;
        if (onDraw)
            onDraw();
    }
    void setPause() override { pauses++; }
    void backButtonIsPressed() override {
        backs++;
        updatesBeforeBack = updates;
        State::backButtonIsPressed();
    }

    int updates = 0, draws = 0, pauses = 0, backs = 0, updatesBeforeBack = -1;
    int touchAtUpdate[1] = {-1};
    std::function<void()> onDraw;
    std::map<int, StateTransition*> plan;
    static int alive;
};

inline int ScriptedScreen::alive = 0;
