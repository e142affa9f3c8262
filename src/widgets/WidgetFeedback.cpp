// Widget feedback: sounds through the sound manager, vibrations through Vibrator.
#include "widgets/WidgetFeedback.h"

#include "core/Vibrator.h"
#include "graphics/SoundManager.h"

std::function<void(const std::string&)> WidgetFeedback::observer;

void WidgetFeedback::playSound(const std::string& name) {
    if (observer)
        observer(name);
    SoundManager::getInstance()->playSound(name);
}

void WidgetFeedback::vibrate() {
    if (observer)
        observer("vibrate");
    Vibrator::vibrate(Vibrator::TYPE_SHORT);
}
