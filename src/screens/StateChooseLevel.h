// The level screen of an infinity level. For now it only leads back to the first menu.
#pragma once

#include "core/State.h"

class StateChooseLevel : public State {
public:
    // -1: the level chosen last.
    explicit StateChooseLevel(int levelNumber) : levelNumber(levelNumber) {}
    void draw() override {}
    StateTransition* updateState() override;

    int levelNumber;
};
