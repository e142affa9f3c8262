// One infinity level (the level menu panel): start a game through its
// information, the scores with their replays, upload and refresh. -1 reopens
// the level chosen last; leaving stores the level as the last chosen one.
#pragma once

#include "core/State.h"

class LevelMenu;

class StateChooseLevel : public State {
public:
    static const int LAST_CHOSEN = -1;

    explicit StateChooseLevel(int levelNumber);
    // The way back from every screen that ends a visit to an infinity level:
    // this screen for the level chosen last, with a switch of that type.
    static StateTransition* backToLastChosen(int type);
    ~StateChooseLevel() override;
    StateChooseLevel(const StateChooseLevel&) = delete;
    StateChooseLevel& operator=(const StateChooseLevel&) = delete;

    void draw() override;
    StateTransition* updateState() override;
    void backButtonIsPressed() override;

    int getLevelNumber() const { return levelNumber; }
    LevelMenu* getPanel() { return panel; }

private:
    int levelNumber;
    LevelMenu* panel;
    bool leaving = false;
};
