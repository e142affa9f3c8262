// The screen base: shared input pointers and the default back-key behaviour.
#include "core/State.h"

#include "core/ExternallyPressable.h"
#include "core/StateTransition.h"

int* State::touchX = nullptr;
int* State::touchY = nullptr;
float* State::joystickAngle = nullptr;
float* State::joystickNorm = nullptr;
int State::keyIsPressedBitArray = 0;
int State::keyJustGotPressedBitArray = 0;

void State::backButtonIsPressed() {
    if (backButton)
        backButton->externalyPressed();
}

StateTransition* State::getTransition() {
    StateTransition* t = updateState();
    if (!t)
        return nullptr;
    if (active) {
        active = false;
        return t;
    }
    delete t;
    return nullptr;
}
