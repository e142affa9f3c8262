// The pause menu of the play screen: a dark panel sliding in from the screen
// edge with Continue and Quit, and in a live game "Swap Joysticks" and "Move
// Joysticks". Quit asks "Are you sure?" first. update answers an action code:
// 0 nothing, 1 starts to open, 2 Continue (closing), 3 quit confirmed
// (closing), 4 swap the sticks, 5 move the sticks.
#pragma once

#include "core/Color.h"
#include "widgets/DrawableString.h"
#include "widgets/KeyboardNavigation.h"

class Button;

class InGameMenu {
public:
    explicit InGameMenu(bool isReplay);
    ~InGameMenu();
    InGameMenu(const InGameMenu&) = delete;
    InGameMenu& operator=(const InGameMenu&) = delete;

    // Opens the menu, or asks to quit when it is open (the back key, a pause).
    void setTabIsExternallyPressed() { tabRequest = true; }
    int update(int keys);
    // With the sticks in use only a closing menu is drawn.
    void draw(bool controlsInUse);

    bool isOpen() const { return open; }
    bool isClosed() const { return closed; }
    bool isConfirming() const { return confirming; }
    float getPosition() const { return position; }
    float getOpenPosition() const { return openPosition; }
    Button* getQuitButton() { return quitButton; }
    Button* getContinueButton() { return continueButton; }
    Button* getSwapButton() { return swapButton; }
    Button* getMoveButton() { return moveButton; }
    Button* getYesButton() { return yesButton; }
    Button* getNoButton() { return noButton; }

private:
    KeyboardNavigation navigation;
    KeyboardNavigation confirmNavigation;
    bool isReplay;
    bool open = false;
    bool opening = false;
    bool closed = true;
    bool closing = false;
    bool tabRequest = false;
    float position = 0.0f;
    float speed = 0.0f;
    float openPosition;
    Button* quitButton = nullptr;
    Button* continueButton = nullptr;
    Button* swapButton = nullptr;
    Button* moveButton = nullptr;
    Color panelColour;
    float panelOutline[12];
    bool confirming = false;
    DrawableString confirmText;
    Button* yesButton = nullptr;
    Button* noButton = nullptr;
};
