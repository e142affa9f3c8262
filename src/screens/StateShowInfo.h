// The lines describing an infinity level before its game; holds the game,
// already made, and hands it over on "Ok!" or drops it on back.
#pragma once

#include <vector>

#include "core/State.h"

class Button;
class DrawableString;

class StateShowInfo : public State {
public:
    // Screens at most this high use the larger text.
    static const int SMALL_SCREEN_HEIGHT = 400;

    StateShowInfo(State* playScreen, int levelNumber);
    // Deletes a game it still holds.
    ~StateShowInfo() override;
    StateShowInfo(const StateShowInfo&) = delete;
    StateShowInfo& operator=(const StateShowInfo&) = delete;

    void draw() override;
    StateTransition* updateState() override;
    void backButtonIsPressed() override;

    State* getHeldScreen() { return held; }
    Button* getOkButton() { return ok; }
    int getNumberOfLines() const { return (int)lines.size(); }
    DrawableString* getLine(int i) { return lines[i]; }

private:
    State* held;
    std::vector<DrawableString*> lines;
    Button* ok;
    bool backRequested = false;
};
