// "Failed to connect to server" after a failed upload or download; Ok (or
// the back key) returns to the level screen.
#pragma once

#include "core/State.h"
#include "core/StateTransition.h"
#include "widgets/DrawableString.h"

class Button;

class StateFailedToConnectToServer : public State {
public:
    explicit StateFailedToConnectToServer(StateTransition::TRANSITION_TYPE exitType);
    ~StateFailedToConnectToServer() override;
    StateFailedToConnectToServer(const StateFailedToConnectToServer&) = delete;
    StateFailedToConnectToServer& operator=(const StateFailedToConnectToServer&) = delete;

    void draw() override;
    StateTransition* updateState() override;
    void backButtonIsPressed() override;

    Button* getOkButton() { return ok; }

private:
    DrawableString message;
    Button* ok;
    StateTransition::TRANSITION_TYPE exitType;
};
