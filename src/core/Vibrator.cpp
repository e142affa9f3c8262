// Vibrator: reads the vibration setting and has nothing to drive.
#include "core/Vibrator.h"

bool (*Vibrator::vibrationEnabled)() = nullptr;

void Vibrator::vibrate(TYPE) {
    if (vibrationEnabled)
        vibrationEnabled();
}
