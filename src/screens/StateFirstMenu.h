// The title screen: the main menu panel, its answers turned into switches,
// and a slow clean-up of downloaded replays, one document name per update.
#pragma once

#include <string>
#include <vector>

#include "core/State.h"

class MainMenu;

class StateFirstMenu : public State {
public:
    StateFirstMenu();
    ~StateFirstMenu() override;
    StateFirstMenu(const StateFirstMenu&) = delete;
    StateFirstMenu& operator=(const StateFirstMenu&) = delete;

    void draw() override;
    StateTransition* updateState() override;
    // Ends the program at once, saving nothing.
    void backButtonIsPressed() override;

    static const char* const TUTORIAL_PATH;

    MainMenu* getMenu() { return menu; }
    const std::vector<std::string>& getDocumentNames() const { return documentNames; }
    int getCleanUpCounter() const { return cleanUpCounter; }

private:
    MainMenu* menu;
    int cleanUpCounter = 0;
    std::vector<std::string> documentNames;
};
