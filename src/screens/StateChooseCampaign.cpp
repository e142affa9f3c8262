// The campaign level screen: the chooser panel and its answers.
#include "screens/StateChooseCampaign.h"

#include "core/StateTransition.h"
#include "levelplay/Campaign.h"
#include "levelplay/LevelList.h"
#include "levelplay/StatePlay.h"
#include "savedata/Preferences.h"
#include "screens/ChooseCampaign.h"
#include "screens/StateChooseCampaignNumber.h"

// The panel's answer for its back arrow.
static const int BACK_CODE = -2;

StateChooseCampaign::StateChooseCampaign(Campaign* campaign_) : campaign(campaign_) {
    Preferences* p = Preferences::getInstance();
    LevelList* list = LevelList::getInstance();
    if (campaign) {
        p->setLastChosenCampaignNumber(campaign->number);
        p->save();
    } else {
        campaign = list->getCampaign(p->getLastChosenCampaignNumber());
        // A stored number that names no chapter opens the first one.
        if (!campaign)
            campaign = list->getCampaign(0);
    }
    panel = new ChooseCampaign(campaign);
}

StateChooseCampaign::~StateChooseCampaign() { delete panel; }

void StateChooseCampaign::draw() { panel->draw(); }

void StateChooseCampaign::backButtonIsPressed() { panel->getBackButton()->externalyPressed(); }

StateTransition* StateChooseCampaign::updateState() {
    int code = panel->update(State::keyJustGotPressedBitArray);
    if (!active || leaving)
        return nullptr;
    if (code == BACK_CODE) {
        leaving = true;
        return new StateTransition(new StateChooseCampaignNumber(), StateTransition::TRANSITION_2);
    }
    if (code >= 0) {
        const CampaignLevelInformation* level = campaign->get(code);
        if (!level)
            return nullptr;
        leaving = true;
        return new StateTransition(new StatePlay(level->path, true, false), StateTransition::TRANSITION_1);
    }
    return nullptr;
}
