// The infinity chooser panel: the eight infinity levels three to a row, with
// the medals won; the last two open once campaign chapter one (two) is done.
// update answers the pressed level's index, -2 for back, or -1.
#pragma once

#include <vector>

#include "widgets/KeyboardNavigation.h"

class BackButton;
class Button;
class DrawableString;
class InfinityButton;

class ChooseInfinity {
public:
    ChooseInfinity();
    ~ChooseInfinity();
    ChooseInfinity(const ChooseInfinity&) = delete;
    ChooseInfinity& operator=(const ChooseInfinity&) = delete;

    int update(int keys);
    void draw();

    const std::vector<InfinityButton*>& getButtons() const { return buttons; }
    BackButton* getBackButton() { return backButton; }

private:
    BackButton* backButton;
    std::vector<InfinityButton*> buttons;
    DrawableString* title;
    DrawableString* help[3];
    Button* replayIcon;
    KeyboardNavigation navigation;
};
