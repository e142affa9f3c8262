// A widget that other code can press without a touch and mark as focused.
#pragma once

#include "core/ExternallyPressable.h"

class CanBeExternallyPressed : public ExternallyPressable {
public:
    CanBeExternallyPressed() {}
    ~CanBeExternallyPressed() override {}

    // Presses the widget: its owner's next update reports the press.
    void externalyPressed() override;
    // Marks the keyboard focus; ignored on a device without a keyboard.
    virtual void setIsHighlighted(bool highlighted);

    bool pressed = false;
    bool highlighted = false;
};
