// A campaign chapter's levels (the campaign chooser panel); a level pressed
// starts a campaign game.
#pragma once

#include "core/State.h"

class Campaign;
class ChooseCampaign;

class StateChooseCampaign : public State {
public:
    // With no campaign, the one chosen last; a given one is remembered.
    explicit StateChooseCampaign(Campaign* campaign = nullptr);
    ~StateChooseCampaign() override;
    StateChooseCampaign(const StateChooseCampaign&) = delete;
    StateChooseCampaign& operator=(const StateChooseCampaign&) = delete;

    void draw() override;
    StateTransition* updateState() override;
    void backButtonIsPressed() override;

    Campaign* getCampaign() { return campaign; }
    ChooseCampaign* getPanel() { return panel; }

private:
    Campaign* campaign;
    ChooseCampaign* panel;
    bool leaving = false;
};
