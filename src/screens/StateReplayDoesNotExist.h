// The server no longer has the replay asked for; Ok returns to the level screen.
#pragma once

#include "core/State.h"
#include "widgets/DrawableString.h"

class Button;

class StateReplayDoesNotExist : public State {
public:
    StateReplayDoesNotExist();
    ~StateReplayDoesNotExist() override;
    StateReplayDoesNotExist(const StateReplayDoesNotExist&) = delete;
    StateReplayDoesNotExist& operator=(const StateReplayDoesNotExist&) = delete;

    void draw() override;
    StateTransition* updateState() override;

    Button* getOkButton() { return ok; }

private:
    DrawableString first;
    DrawableString second;
    Button* ok;
    bool leaving = false;
};
