// Offered once, before the first game: the tutorial or straight on.
#pragma once

#include <vector>

#include "core/State.h"
#include "widgets/KeyboardNavigation.h"

class Button;
class DrawableString;

class StateSuggestTuto : public State {
public:
    StateSuggestTuto();
    ~StateSuggestTuto() override;
    StateSuggestTuto(const StateSuggestTuto&) = delete;
    StateSuggestTuto& operator=(const StateSuggestTuto&) = delete;

    void draw() override;
    StateTransition* updateState() override;

    Button* getStartButton() { return startButton; }
    Button* getSkipButton() { return skipButton; }

private:
    KeyboardNavigation navigation;
    std::vector<DrawableString*> lines;
    Button* startButton;
    Button* skipButton;
};
