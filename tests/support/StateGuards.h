// Guards for the class-wide state that tests change: each one saves the state
// when it is made and puts it back when it goes, so that a test leaves the
// process as it found it whatever order the tests run in.
#pragma once

#include <functional>
#include <string>

#include "core/Device.h"
#include "graphics/Explosion.h"
#include "savedata/Preferences.h"

// Puts a variable back to the value it had when the guard was made.
template <class T>
class SavedValue {
public:
    explicit SavedValue(T& variable) : variable(variable), saved(variable) {}
    SavedValue(T& variable, const T& value) : variable(variable), saved(variable) { variable = value; }
    ~SavedValue() { variable = saved; }
    SavedValue(const SavedValue&) = delete;
    SavedValue& operator=(const SavedValue&) = delete;

private:
    T& variable;
    T saved;
};

// Runs a restoring action when the test ends, for state behind setters.
class OnExit {
public:
    explicit OnExit(std::function<void()> action) : action(std::move(action)) {}
    ~OnExit() { action(); }
    OnExit(const OnExit&) = delete;
    OnExit& operator=(const OnExit&) = delete;

private:
    std::function<void()> action;
};

// Every parameter of Device.
struct DeviceState {
    int screenWidth, screenHeight, touchScreenWidth, touchScreenHeight, supportDistinctMultitouch;
    float zoom, joystickSize, screenZoom, touchMultiplier, dpi, glowSize;
    bool allowChoosingThePositionOfTheJoystics, canPlayMusic, canPlaySoundEffects, enableExplosionTextures,
        putJoysticksInTheMiddleOfTheScreen, useTextureForTitle, hasKeyboard, runsAndroidNativeActivity,
        autoAdaptsOrientation, canVibrate, enableGlow;

    static DeviceState capture() {
        return {Device::screenWidth,
                Device::screenHeight,
                Device::touchScreenWidth,
                Device::touchScreenHeight,
                Device::supportDistinctMultitouch,
                Device::zoom,
                Device::joystickSize,
                Device::screenZoom,
                Device::touchMultiplier,
                Device::dpi,
                Device::glowSize,
                Device::allowChoosingThePositionOfTheJoystics,
                Device::canPlayMusic,
                Device::canPlaySoundEffects,
                Device::enableExplosionTextures,
                Device::putJoysticksInTheMiddleOfTheScreen,
                Device::useTextureForTitle,
                Device::hasKeyboard,
                Device::runsAndroidNativeActivity,
                Device::autoAdaptsOrientation,
                Device::canVibrate,
                Device::enableGlow};
    }
    void apply() const {
        Device::screenWidth = screenWidth;
        Device::screenHeight = screenHeight;
        Device::touchScreenWidth = touchScreenWidth;
        Device::touchScreenHeight = touchScreenHeight;
        Device::supportDistinctMultitouch = supportDistinctMultitouch;
        Device::zoom = zoom;
        Device::joystickSize = joystickSize;
        Device::screenZoom = screenZoom;
        Device::touchMultiplier = touchMultiplier;
        Device::dpi = dpi;
        Device::glowSize = glowSize;
        Device::allowChoosingThePositionOfTheJoystics = allowChoosingThePositionOfTheJoystics;
        Device::canPlayMusic = canPlayMusic;
        Device::canPlaySoundEffects = canPlaySoundEffects;
        Device::enableExplosionTextures = enableExplosionTextures;
        Device::putJoysticksInTheMiddleOfTheScreen = putJoysticksInTheMiddleOfTheScreen;
        Device::useTextureForTitle = useTextureForTitle;
        Device::hasKeyboard = hasKeyboard;
        Device::runsAndroidNativeActivity = runsAndroidNativeActivity;
        Device::autoAdaptsOrientation = autoAdaptsOrientation;
        Device::canVibrate = canVibrate;
        Device::enableGlow = enableGlow;
    }
};

// The parameters as the program starts, before any start-up code runs: they
// are constants, ready before any dynamic initialisation reads them.
inline const DeviceState deviceStartValues = DeviceState::capture();

// Saves every Device parameter and puts them back at the end of the test.
class DeviceGuard {
public:
    DeviceGuard() : saved(DeviceState::capture()), rawName(Device::rawName) {}
    ~DeviceGuard() {
        saved.apply();
        Device::rawName = rawName;
    }
    DeviceGuard(const DeviceGuard&) = delete;
    DeviceGuard& operator=(const DeviceGuard&) = delete;

    // For tests of what holds before the start-up sets anything.
    static void restoreStartValues() { deviceStartValues.apply(); }

private:
    DeviceState saved;
    std::string rawName;
};

// Explosions drawn or not: the setting a test switches.
class ExplosionActivationGuard : public SavedValue<bool> {
public:
    ExplosionActivationGuard() : SavedValue<bool>(Explosion::isActivated) {}
    explicit ExplosionActivationGuard(bool activated) : SavedValue<bool>(Explosion::isActivated, activated) {}
};

// A test that loads the preferences from a folder of its own leaves behind an
// instance loaded from the working folder again, as the next test expects.
class PreferencesGuard {
public:
    PreferencesGuard() = default;
    ~PreferencesGuard() { Preferences::reloadForTests(); }
    PreferencesGuard(const PreferencesGuard&) = delete;
    PreferencesGuard& operator=(const PreferencesGuard&) = delete;
};

// The two hooks through which settings reach the drawing code.
class PreferenceHooksGuard {
public:
    PreferenceHooksGuard()
        : lineWidth(Preferences::applyLineWidth), light(Preferences::applyTexturedExplosionsEnabled) {}
    ~PreferenceHooksGuard() {
        Preferences::applyLineWidth = lineWidth;
        Preferences::applyTexturedExplosionsEnabled = light;
    }
    PreferenceHooksGuard(const PreferenceHooksGuard&) = delete;
    PreferenceHooksGuard& operator=(const PreferenceHooksGuard&) = delete;

private:
    void (*lineWidth)(float);
    void (*light)(bool);
};
