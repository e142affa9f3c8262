// The player's settings: one typed getter and setter per option.
#pragma once

#include "core/Coord.h"

class Preferences {
public:
    static Preferences* getInstance();
    void save();

    bool getIsScreenReversed();
    bool getMusicEnabled();
    void setMusicEnabled(bool enabled);
    bool getSwapJoysticks();
    void setSwapJoysticks(bool swap);
    bool getHideJoysticks();
    bool getVibrationEnabled();
    bool get_muteShootingSounds();
    int getLineWidth();
    int getJoysticksPosition();
    void setJoysticksPosition(int position);
    int getJoystickStyle();
    int getDifficultySettings();
    int getCustomJoysticksSize();
    void getJoysticksCustomPosition(Coord& left, Coord& right);
    void setSoundEffectsEnabled(bool enabled);
    void setLightEnabled(bool enabled);
    void setExplosionEffectEnabled(bool enabled);
};
