// The settings: one scrolling list of rows, each cycling a preference's
// values; every change applies and is saved in the frame it is made.
#pragma once

#include "core/State.h"
#include "widgets/KeyboardNavigation.h"

class BackButton;
class SettingsMenu;

class StateSettings : public State {
public:
    StateSettings();
    ~StateSettings() override;
    StateSettings(const StateSettings&) = delete;
    StateSettings& operator=(const StateSettings&) = delete;

    void draw() override;
    StateTransition* updateState() override;

    SettingsMenu* getMenu() { return menu; }
    BackButton* getBackButton() { return back; }

private:
    BackButton* back;
    SettingsMenu* menu;
    KeyboardNavigation navigation;
};
