// Play screen: camera and visibility.
#include "levelplay/StatePlay.h"

#include <cmath>

#include "core/Device.h"
#include "core/Entity.h"
#include "core/Joysticks.h"
#include "savedata/Preferences.h"

Coord StatePlay::camera;
float StatePlay::cameraVisibleLimitX = 0.0f;
float StatePlay::cameraVisibleLimitY = 0.0f;
float StatePlay::zoom = 1.0f;
Joysticks* StatePlay::joysticks = nullptr;
int StatePlay::shipModelSelected = 0;

static bool difficultyPinned = false;
static int pinnedDifficulty = 0;

int StatePlay::getDifficulty() {
    if (difficultyPinned)
        return pinnedDifficulty;
    return Preferences::getInstance()->getDifficultySettings();
}

void StatePlay::pinDifficulty(int difficulty) {
    difficultyPinned = true;
    pinnedDifficulty = difficulty;
}

void StatePlay::unpinDifficulty() {
    difficultyPinned = false;
}

void StatePlay::calculateCameraLimits() {
    float realZoom = zoom * Device::zoom;
    cameraVisibleLimitX = Device::screenWidth / realZoom / 2;
    cameraVisibleLimitY = Device::screenHeight / realZoom / 2;
}

float StatePlay::getMaxDistanceOffCamera(Entity* e) {
    float dx = std::fabs(e->position.x - camera.x) - cameraVisibleLimitX;
    float dy = std::fabs(e->position.y - camera.y) - cameraVisibleLimitY;
    return dx > dy ? dx : dy;
}

Joysticks* StatePlay::getJoysticks() {
    if (!joysticks)
        joysticks = new Joysticks();
    return joysticks;
}
