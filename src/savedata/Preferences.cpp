// Placeholder preferences until the preferences file lands: the defaults only.
#include "savedata/Preferences.h"

#include "core/Device.h"

static bool swapJoysticks = false;
static int joysticksPosition = 3;
static bool musicEnabled = true;

Preferences* Preferences::getInstance() {
    static Preferences* instance = new Preferences();
    return instance;
}
void Preferences::save() {}
bool Preferences::getIsScreenReversed() { return false; }
bool Preferences::getMusicEnabled() { return musicEnabled; }
void Preferences::setMusicEnabled(bool enabled) { musicEnabled = enabled; }
bool Preferences::getSwapJoysticks() { return swapJoysticks; }
void Preferences::setSwapJoysticks(bool swap) { swapJoysticks = swap; }
bool Preferences::getHideJoysticks() { return false; }
bool Preferences::getVibrationEnabled() { return true; }
bool Preferences::get_muteShootingSounds() { return false; }
int Preferences::getLineWidth() { return Device::screenWidth < 400 ? 1 : 2; }
int Preferences::getJoysticksPosition() { return joysticksPosition; }
void Preferences::setJoysticksPosition(int position) { joysticksPosition = position; }
int Preferences::getJoystickStyle() { return 1; }
int Preferences::getDifficultySettings() { return 0; }
int Preferences::getCustomJoysticksSize() { return (int)(Device::joystickSize * 1000); }
void Preferences::getJoysticksCustomPosition(Coord& left, Coord& right) {
    float w = (float)Device::touchScreenWidth, h = (float)Device::touchScreenHeight;
    float x = Device::putJoysticksInTheMiddleOfTheScreen ? 0.55f : 0.3f;
    left = Coord(x * w, 0.85f * h, 0);
    right = Coord(x * w, 0.15f * h, 0);
}
void Preferences::setSoundEffectsEnabled(bool) {}
void Preferences::setLightEnabled(bool) {}
void Preferences::setExplosionEffectEnabled(bool) {}
