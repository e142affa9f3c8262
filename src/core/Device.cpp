// Device parameters and the zoom against a reference width.
#include "core/Device.h"

int Device::screenWidth = 320;
int Device::screenHeight = 480;
float Device::zoom = 1.0f;
float Device::joystickSize = 1.0f;
float Device::screenZoom = 1.0f;
int Device::touchScreenWidth = 10;
int Device::touchScreenHeight = 10;
float Device::touchMultiplier = 1.0f;
float Device::dpi = 1.0f;
float Device::glowSize = 4.0f;
int Device::supportDistinctMultitouch = 2;
bool Device::allowChoosingThePositionOfTheJoystics = true;
bool Device::canPlayMusic = false;
bool Device::canPlaySoundEffects = false;
bool Device::enableExplosionTextures = false;
bool Device::putJoysticksInTheMiddleOfTheScreen = false;
bool Device::useTextureForTitle = false;
bool Device::hasKeyboard = false;
bool Device::runsAndroidNativeActivity = false;
bool Device::autoAdaptsOrientation = false;
bool Device::canVibrate = false;
bool Device::enableGlow = false;
std::string Device::rawName;

void Device::setScreenSize(int width, int height) {
    setScreenWidth(width);
    setScreenHeight(height);
}

void Device::setScreenWidth(int w) {
    screenWidth = w;
    touchScreenWidth = (int)(w * screenZoom);
    calculateZoom();
}

void Device::setScreenHeight(int h) {
    screenHeight = h;
    touchScreenHeight = (int)(h * screenZoom);
    calculateZoom();
}

void Device::init() {
    canPlayMusic = true;
    putJoysticksInTheMiddleOfTheScreen = true;
    canPlaySoundEffects = true;
    enableExplosionTextures = true;
    calculateZoom();
}

void Device::calculateZoom() {
    int w = screenWidth;
    double reference = w < 400 ? 320 : w < 500 ? 330 : w < 600 ? 340 : w < 700 ? 350 : 360;
    zoom = joystickSize = (float)(w / reference);
}
