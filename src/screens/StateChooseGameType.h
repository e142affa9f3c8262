// The hub after the title: campaign, infinity levels or the ship models, with
// the campaign progress per difficulty and the medals held.
#pragma once

#include "core/State.h"
#include "widgets/DrawableString.h"
#include "widgets/KeyboardNavigation.h"

class BackButton;
class Button;

class StateChooseGameType : public State {
public:
    StateChooseGameType();
    ~StateChooseGameType() override;
    StateChooseGameType(const StateChooseGameType&) = delete;
    StateChooseGameType& operator=(const StateChooseGameType&) = delete;

    void draw() override;
    StateTransition* updateState() override;

    Button* getCampaignButton() { return campaignButton; }
    Button* getInfinityButton() { return infinityButton; }
    Button* getShipButton() { return shipButton; }
    BackButton* getBackButton() { return back; }
    std::string getCompletionLine(int i) const { return completion[i].getString(); }
    std::string getMedalLine(int i) const { return medals[i].getString(); }

private:
    BackButton* back;
    Button* shipButton;
    Button* campaignButton;
    Button* infinityButton;
    KeyboardNavigation navigation;
    DrawableString completion[3];
    DrawableString medals[3];
};
