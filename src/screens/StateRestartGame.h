// "Play again?" after a lost campaign level or an entered infinity score.
#pragma once

#include <string>

#include "core/State.h"
#include "widgets/DrawableString.h"
#include "widgets/KeyboardNavigation.h"

class Button;

class StateRestartGame : public State {
public:
    StateRestartGame(std::string levelPath, bool campaign);
    ~StateRestartGame() override;
    StateRestartGame(const StateRestartGame&) = delete;
    StateRestartGame& operator=(const StateRestartGame&) = delete;

    void draw() override;
    StateTransition* updateState() override;
    // Presses No.
    void backButtonIsPressed() override;

    Button* getYesButton() { return yesButton; }
    Button* getNoButton() { return noButton; }

    std::string levelPath;
    bool isCampaign;

private:
    KeyboardNavigation navigation;
    Button* yesButton;
    Button* noButton;
    DrawableString title;
    bool leaving = false;
};
