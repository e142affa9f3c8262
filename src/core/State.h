// A screen of the game: drawn and updated by Game, which owns it.
#pragma once

class StateTransition;
class ExternallyPressable;

class State {
public:
    State() : active(false), backButton(nullptr) {}
    virtual ~State() {}

    virtual void draw() = 0;
    // Null to stay on this screen; otherwise a new transition record that Game
    // takes and deletes.
    virtual StateTransition* updateState() = 0;
    virtual void backButtonIsPressed();
    virtual void setPause() {}

    StateTransition* getTransition();

    bool active;
    // The screen's own back button, pressed by the back key; the screen deletes it.
    ExternallyPressable* backButton;

    // Set by Game, read by every screen: this frame's touches (x = -1: none),
    // hardware sticks (norm -1: none) and key bits.
    static int* touchX;
    static int* touchY;
    static float* joystickAngle;
    static float* joystickNorm;
    static int keyIsPressedBitArray;
    static int keyJustGotPressedBitArray;
};
