// Static parameters of the machine: screen size, zoom, touch area, feature flags.
#pragma once

#include <string>

class Device {
public:
    static void setScreenSize(int width, int height);
    static void setScreenWidth(int w);
    static void setScreenHeight(int h);
    static void init();
    static void calculateZoom();
    static std::string getUniqueID() { return "0000"; }
    static std::string getClass() { return "RIM"; }
    static std::string getRawName() { return "Playbook"; }

    static int screenWidth;
    static int screenHeight;
    static float zoom;
    static float joystickSize;
    static float screenZoom;
    static int touchScreenWidth;
    static int touchScreenHeight;
    static float touchMultiplier;
    static float dpi;
    static float glowSize;
    static int supportDistinctMultitouch;
    static bool allowChoosingThePositionOfTheJoystics;
    static bool canPlayMusic;
    static bool canPlaySoundEffects;
    static bool enableExplosionTextures;
    static bool putJoysticksInTheMiddleOfTheScreen;
    static bool useTextureForTitle;
    static bool hasKeyboard;
    static bool runsAndroidNativeActivity;
    static bool autoAdaptsOrientation;
    static bool canVibrate;
    static bool enableGlow;
    static std::string rawName;
};
