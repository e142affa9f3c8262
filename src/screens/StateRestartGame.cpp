// The play-again screen: Yes plays the level again in the same mode.
#include "screens/StateRestartGame.h"

#include "core/Device.h"
#include "core/StateTransition.h"
#include "levelplay/StatePlay.h"
#include "screens/StateChooseCampaign.h"
#include "screens/StateChooseLevel.h"
#include "widgets/Button.h"
#include "widgets/NavigationNode.h"

StateRestartGame::StateRestartGame(std::string levelPath_, bool campaign)
    : levelPath(levelPath_), isCampaign(campaign) {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    title.setString("^xPlay again?");
    title.setZoom(0.004f * W);
    title.centerY(0.8f * W);
    yesButton = new Button("Yes :)", Coord(0.2f * W, 0.5f * H, 0), Button::DECORATION_DEEP_CUT);
    yesButton->setWidthAndHeight(Coord(0.23f * W, 0.4f * H, 0));
    noButton = new Button("No :(", Coord(0.5f * W, 0.5f * H, 0), Button::DECORATION_CUT);
    noButton->setWidthAndHeight(Coord(0.2f * W, 0.35f * H, 0));
    NavigationNode* yes = navigation.addNode(yesButton);
    NavigationNode* no = navigation.addNode(noButton);
    yes->up = no;
    no->down = yes;
}

StateRestartGame::~StateRestartGame() {
    delete yesButton;
    delete noButton;
}

void StateRestartGame::backButtonIsPressed() { noButton->externalyPressed(); }

StateTransition* StateRestartGame::updateState() {
    navigation.update(State::keyJustGotPressedBitArray);
    bool yes = yesButton->update();
    bool no = noButton->update();
    // The lost game may still be turning away: a press before this screen
    // is active would start a second game beside it.
    if (leaving || !active)
        return nullptr;
    if (yes) {
        leaving = true;
        return new StateTransition(new StatePlay(levelPath, isCampaign, false), StateTransition::TRANSITION_1);
    }
    if (no) {
        leaving = true;
        State* next = isCampaign ? (State*)new StateChooseCampaign(nullptr)
                                 : (State*)new StateChooseLevel(StateChooseLevel::LAST_CHOSEN);
        return new StateTransition(next, StateTransition::TRANSITION_2);
    }
    return nullptr;
}

void StateRestartGame::draw() {
    title.draw();
    yesButton->drawWithColor(Color(0, 1, 0));
    noButton->draw();
}
