// Vibration requests: the desktop has no motor, so only the setting is read.
#pragma once

class Vibrator {
public:
    enum TYPE { TYPE_SHORT = 0, TYPE_LONG = 1 };
    static void vibrate(TYPE type);
    // Reads the player's vibration setting; set by the preferences.
    static bool (*vibrationEnabled)();
};
