// The infinity choice screen: the panel's answers to switches.
#include "screens/StateChooseInfinity.h"

#include "core/StateTransition.h"
#include "screens/ChooseInfinity.h"
#include "screens/StateChooseGameType.h"
#include "screens/StateChooseLevel.h"
#include "widgets/BackButton.h"

static const int BACK_CODE = -2;
static const int NUMBER_OF_LEVELS = 8;

StateChooseInfinity::StateChooseInfinity() { panel = new ChooseInfinity(); }

StateChooseInfinity::~StateChooseInfinity() { delete panel; }

void StateChooseInfinity::draw() { panel->draw(); }

void StateChooseInfinity::backButtonIsPressed() { panel->getBackButton()->externalyPressed(); }

StateTransition* StateChooseInfinity::updateState() {
    int code = panel->update(State::keyJustGotPressedBitArray);
    if (leaving || !active)
        return nullptr;
    if (code == BACK_CODE) {
        leaving = true;
        return new StateTransition(new StateChooseGameType(), StateTransition::TRANSITION_2);
    }
    if (code >= 0 && code < NUMBER_OF_LEVELS) {
        leaving = true;
        return new StateTransition(new StateChooseLevel(code), StateTransition::TRANSITION_1);
    }
    return nullptr;
}
