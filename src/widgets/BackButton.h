// The screen-edge arrow that leaves a screen: a plain button showing an arrow.
#pragma once

#include "widgets/CanBeExternallyPressed.h"

class Button;

class BackButton : public CanBeExternallyPressed {
public:
    // 0: up arrow along the high-x edge; 1: left arrow along the high-y edge;
    // 2: right arrow along the low-y edge.
    // Held in an int, so that any number is a value of the type: one outside
    // these makes a back button with nothing to press.
    enum BACK_BUTTONS_TYPE : int { BACK_BUTTON_UP = 0, BACK_BUTTON_LEFT = 1, BACK_BUTTON_RIGHT = 2 };

    explicit BackButton(BACK_BUTTONS_TYPE type);
    explicit BackButton(int type) : BackButton((BACK_BUTTONS_TYPE)type) {}
    ~BackButton() override;
    BackButton(const BackButton&) = delete;
    BackButton& operator=(const BackButton&) = delete;

    void externalyPressed() override;
    void setIsHighlighted(bool value) override;

    // A type outside 0 to 2 has no button: it never reports and draws nothing.
    bool update();
    void draw();
    Button* getButton() { return button; }

private:
    Button* button = nullptr;
};
