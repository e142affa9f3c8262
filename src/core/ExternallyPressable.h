// What a screen's back key presses: the screen's own back button, a widget
// that core knows only through this interface.
#pragma once

class ExternallyPressable {
public:
    virtual ~ExternallyPressable() {}
    // Presses it without a touch: its owner's next update reports the press.
    virtual void externalyPressed() = 0;
};
