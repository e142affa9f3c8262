// The eight infinity levels (the infinity chooser panel); a level opens its
// level screen.
#pragma once

#include "core/State.h"

class ChooseInfinity;

class StateChooseInfinity : public State {
public:
    StateChooseInfinity();
    ~StateChooseInfinity() override;
    StateChooseInfinity(const StateChooseInfinity&) = delete;
    StateChooseInfinity& operator=(const StateChooseInfinity&) = delete;

    void draw() override;
    StateTransition* updateState() override;
    void backButtonIsPressed() override;

    ChooseInfinity* getPanel() { return panel; }

private:
    ChooseInfinity* panel;
    bool leaving = false;
};
