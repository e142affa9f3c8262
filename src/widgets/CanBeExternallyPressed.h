// A widget that other code can press without a touch and mark as focused.
#pragma once

class CanBeExternallyPressed {
public:
    CanBeExternallyPressed() {}
    virtual ~CanBeExternallyPressed() {}

    // Presses the widget: its owner's next update reports the press.
    virtual void externalyPressed();
    // Marks the keyboard focus; ignored on a device without a keyboard.
    virtual void setIsHighlighted(bool highlighted);

    bool pressed = false;
    bool highlighted = false;
};
