// The score entry after an infinity game. For now it prints the score and the
// replay id and leads back to the first menu.
#pragma once

#include <string>

#include "core/State.h"

class StateConfirmScore : public State {
public:
    StateConfirmScore(std::string level, int score, int replay, int time);
    void draw() override {}
    StateTransition* updateState() override;

    std::string level;
    int score;
    int replay;
    int time;
};
