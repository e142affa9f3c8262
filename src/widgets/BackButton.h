// The arrow button a screen may hold as its back button.
#pragma once

class BackButton {
public:
    virtual ~BackButton() {}
    void externalyPressed() { pressed = true; }
    bool pressed = false;
};
