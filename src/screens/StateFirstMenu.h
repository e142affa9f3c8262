// The first screen shown: for now a title and an invitation to touch.
#pragma once

#include "core/State.h"

class StateFirstMenu : public State {
public:
    StateFirstMenu();
    ~StateFirstMenu() override;

    void draw() override;
    StateTransition* updateState() override;

private:
    void drawCentredLine(const char* text, float scale, float top);
};
