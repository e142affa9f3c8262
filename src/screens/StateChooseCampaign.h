// The campaign chooser. For now it only leads back to the first menu.
#pragma once

#include "core/State.h"

class Campaign;

class StateChooseCampaign : public State {
public:
    // With no campaign, the one chosen last.
    explicit StateChooseCampaign(Campaign* campaign = nullptr) : campaign(campaign) {}
    void draw() override {}
    StateTransition* updateState() override;

    Campaign* campaign;
};
