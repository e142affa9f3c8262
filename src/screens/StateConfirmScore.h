// After an infinity game: the score, any medal newly won, the nickname the
// score is kept under (editable with the on-screen keyboard), and OK.
#pragma once

#include <string>

#include "core/State.h"
#include "widgets/DrawableString.h"
#include "widgets/KeyboardNavigation.h"
#include "widgets/OpenGLKeyboardListener.h"

class Button;
class OpenGLKeyboard;

class StateConfirmScore : public State, public OpenGLKeyboardListener {
public:
    StateConfirmScore(std::string level, int score, int replay, int time);
    ~StateConfirmScore() override;
    StateConfirmScore(const StateConfirmScore&) = delete;
    StateConfirmScore& operator=(const StateConfirmScore&) = delete;

    void draw() override;
    StateTransition* updateState() override;
    // Presses OK: the back key confirms the score.
    void backButtonIsPressed() override;
    void textHasChanged(std::string text) override;

    std::string level;
    int score;
    int replay;
    int time;

    OpenGLKeyboard* getKeyboard() { return keyboard; }
    bool isKeyboardShown() const { return keyboardShown; }
    bool hasWonMedal() const { return medalWon; }
    Button* getOkButton() { return okButton; }
    Button* getEditButton() { return editButton; }
    std::string getNameLine() const { return nameLine.getString(); }
    std::string getMedalLine() const { return medalLine.getString(); }
    std::string getScoreLine() const { return scoreLine.getString(); }

private:
    KeyboardNavigation navigation;
    OpenGLKeyboard* keyboard = nullptr;
    DrawableString scoreLine;
    DrawableString nameLine;
    DrawableString medalLine;
    DrawableString note;
    Button* editButton = nullptr;
    Button* okButton = nullptr;
    bool keyboardShown = false;
    bool leaving = false;
    bool medalWon = false;
};
