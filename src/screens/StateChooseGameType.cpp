// The game-type screen: three buttons, a back arrow and six lines of progress.
#include "screens/StateChooseGameType.h"

#include <cstdio>

#include "core/Device.h"
#include "core/StateTransition.h"
#include "graphics/VectorModel.h"
#include "savedata/Achievements.h"
#include "screens/StateChooseCampaignNumber.h"
#include "screens/StateChooseInfinity.h"
#include "screens/StateChooseShipModel.h"
#include "screens/StateFirstMenu.h"
#include "widgets/BackButton.h"
#include "widgets/Button.h"
#include "widgets/NavigationNode.h"

StateChooseGameType::StateChooseGameType() {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    back = new BackButton(BackButton::BACK_BUTTON_UP);
    backButton = back;
    VectorModel* light = VectorModel::loadFromLuaScript("/data/graphics/buttons/buttonDownLight.lua");
    campaignButton = new Button("Campaign Mode", Coord(0.4f * W, 0.26f * H, 0), Button::DECORATION_DEEP_CUT);
    campaignButton->setWidthAndHeight(Coord(0.3f * W, H / 2.3f, 0));
    campaignButton->setVectorModel(light, 0);
    infinityButton = new Button("Infinity Mode", Coord(0.4f * W, 0.74f * H, 0), Button::DECORATION_DEEP_CUT);
    infinityButton->setWidthAndHeight(Coord(0.3f * W, H / 2.3f, 0));
    infinityButton->setVectorModel(light, 0);
    shipButton = new Button("Select Ship", Coord(0.7f * W, 0.5f * H, 0), Button::DECORATION_CUT);
    shipButton->setWidthAndHeight(Coord(0.15f * W, 0.6f * H, 0));

    Achievements* a = Achievements::getInstance();
    const char* completionFormats[3] = {"Easy mode: ^2%i^7%%", "Normal mode: ^u%i^7%%", "Hard mode: ^r%i^7%%"};
    const char* medalFormats[3] = {"^[Gold medals: %i", "^;Silver medals: %i", "^uBronze medals: %i"};
    int medalCounts[3] = {a->getNumberOfGoldMedals(), a->getNumberOfSilverMedals(), a->getNumberOfBronzeMedals()};
    char buffer[200];
    for (int i = 0; i < 3; i++) {
        float x = W * (0.2f - 0.05f * i);
        snprintf(buffer, sizeof buffer, completionFormats[i], a->getPercentageOfAllCampaignsDone(i));
        completion[i].setString(buffer);
        completion[i].setZoom(0.0015f * W);
        completion[i].setCoord(Coord(x, 0.4f * H, 0));
        snprintf(buffer, sizeof buffer, medalFormats[i], medalCounts[i]);
        medals[i].setString(buffer);
        medals[i].setZoom(0.0015f * W);
        medals[i].setCoord(Coord(x, 0.9f * H, 0));
    }

    NavigationNode* infinity = navigation.addNode(infinityButton);
    NavigationNode* campaign = navigation.addNode(campaignButton);
    NavigationNode* backNode = navigation.addNode(back);
    NavigationNode* ship = navigation.addNode(shipButton);
    infinity->up = ship;
    infinity->right = campaign;
    campaign->up = ship;
    campaign->left = infinity;
    backNode->down = ship;
    ship->up = backNode;
    ship->down = infinity;
}

StateChooseGameType::~StateChooseGameType() {
    delete back;
    delete shipButton;
    delete campaignButton;
    delete infinityButton;
}

void StateChooseGameType::draw() {
    back->draw();
    campaignButton->draw();
    for (DrawableString& s : completion)
        s.draw();
    infinityButton->draw();
    shipButton->draw();
    for (DrawableString& s : medals)
        s.draw();
}

StateTransition* StateChooseGameType::updateState() {
    navigation.update(State::keyJustGotPressedBitArray);
    bool campaign = campaignButton->update();
    bool infinity = infinityButton->update();
    bool backPressed = back->update();
    bool ship = shipButton->update();
    if (campaign)
        return new StateTransition(new StateChooseCampaignNumber(), StateTransition::TRANSITION_1);
    if (infinity)
        return new StateTransition(new StateChooseInfinity(), StateTransition::TRANSITION_1);
    if (backPressed)
        return new StateTransition(new StateFirstMenu(), StateTransition::TRANSITION_2);
    if (ship)
        return new StateTransition(new StateChooseShipModel(), StateTransition::TRANSITION_1);
    return nullptr;
}
