// The connection-failure message.
#include "screens/StateFailedToConnectToServer.h"

#include "core/Device.h"
#include "screens/StateChooseLevel.h"
#include "widgets/Button.h"

StateFailedToConnectToServer::StateFailedToConnectToServer(StateTransition::TRANSITION_TYPE exitType_)
    : exitType(exitType_) {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    message.setString("^7Failed to connect to server");
    message.setZoom(0.002f * H);
    message.centerY(0.6f * W);
    ok = new Button("Ok", Coord(0.3f * W, (float)(Device::screenHeight / 2), 0), Button::DECORATION_NONE);
    ok->setWidthAndHeight(Coord(0.2f * W, 0.3f * H, 0));
}

StateFailedToConnectToServer::~StateFailedToConnectToServer() { delete ok; }

void StateFailedToConnectToServer::backButtonIsPressed() { ok->externalyPressed(); }

void StateFailedToConnectToServer::draw() {
    message.draw();
    ok->draw();
}

StateTransition* StateFailedToConnectToServer::updateState() {
    if (ok->update())
        return StateChooseLevel::backToLastChosen(exitType);
    return nullptr;
}
