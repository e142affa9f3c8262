// The play-again screen after a lost level. For now it only leads back to the first menu.
#pragma once

#include <string>

#include "core/State.h"

class StateRestartGame : public State {
public:
    StateRestartGame(std::string levelPath, bool campaign) : levelPath(levelPath), isCampaign(campaign) {}
    void draw() override {}
    StateTransition* updateState() override;

    std::string levelPath;
    bool isCampaign;
};
