// Vibrator: reads the vibration setting and has nothing to drive.
#include "core/Vibrator.h"

#include "savedata/Preferences.h"

void Vibrator::vibrate(TYPE) { Preferences::getInstance()->getVibrationEnabled(); }
