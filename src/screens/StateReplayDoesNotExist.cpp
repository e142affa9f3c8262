// The missing-replay message.
#include "screens/StateReplayDoesNotExist.h"

#include "core/Device.h"
#include "core/StateTransition.h"
#include "screens/StateChooseLevel.h"
#include "widgets/Button.h"

StateReplayDoesNotExist::StateReplayDoesNotExist() {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    first.setString("^7Replay does not exist anymore");
    first.setZoom(0.0016f * H);
    first.centerY(0.74f * W);
    second.setString("^7please refresh high score");
    second.setZoom(0.0013f * H);
    second.centerY(0.62f * W);
    ok = new Button("Ok", Coord(0.3f * W, (float)(Device::screenHeight / 2), 0), Button::DECORATION_NONE);
    ok->setWidthAndHeight(Coord(0.2f * W, 0.3f * H, 0));
}

StateReplayDoesNotExist::~StateReplayDoesNotExist() { delete ok; }

void StateReplayDoesNotExist::draw() {
    first.draw();
    second.draw();
    ok->draw();
}

StateTransition* StateReplayDoesNotExist::updateState() {
    // Game drops an answer given while the screen turns in.
    if (ok->update() && !leaving && active) {
        leaving = true;
        return StateChooseLevel::backToLastChosen(StateTransition::TRANSITION_1);
    }
    return nullptr;
}
