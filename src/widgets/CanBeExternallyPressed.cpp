// Outside presses and focus marks, with the feedback of a touch.
#include "widgets/CanBeExternallyPressed.h"

#include "core/Device.h"
#include "widgets/WidgetFeedback.h"

void CanBeExternallyPressed::externalyPressed() {
    WidgetFeedback::vibrate();
    WidgetFeedback::playSound("/data/sounds/blip1.caf");
    pressed = true;
}

void CanBeExternallyPressed::setIsHighlighted(bool value) {
    if (Device::hasKeyboard)
        highlighted = value;
}
