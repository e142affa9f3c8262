// The about screen: title and version, the credit, the free software the game
// is built on (one name at a time, fading), and four buttons to web pages.
#pragma once

#include <string>
#include <vector>

#include "core/State.h"
#include "widgets/KeyboardNavigation.h"

class BackButton;
class ButtonToTheWeb;
class DrawableString;

class StateAbout : public State {
public:
    static const int NUMBER_OF_WEB_BUTTONS = 4;

    StateAbout();
    ~StateAbout() override;
    StateAbout(const StateAbout&) = delete;
    StateAbout& operator=(const StateAbout&) = delete;

    void draw() override;
    StateTransition* updateState() override;

    // The page of web button i: the score server's top scores for the last,
    // the README installed beside the game for the others.
    static std::string webAddress(int button);

    // Tests and the gallery look at the screen.
    int getShownName() const { return shownName; }
    float getPhase() const { return phase; }
    int getNumberOfNames() const { return (int)names.size(); }
    ButtonToTheWeb* getWebButton(int i) { return webButtons[i]; }
    BackButton* getBackButton() { return back; }
    std::string getCreditLine(int i) const;

private:
    std::vector<DrawableString*> creditLines;
    std::vector<DrawableString*> names;
    DrawableString* heading;
    KeyboardNavigation navigation;
    std::vector<ButtonToTheWeb*> webButtons;
    int shownName = 0;
    float phase = 0.0f;
    BackButton* back;
};
