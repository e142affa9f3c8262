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
float StatePlay::realZoom = 1.0f;
float StatePlay::cameraAngleOffsetX = 0.0f;
float StatePlay::cameraAngleOffsetY = 0.0f;
float StatePlay::cameraAngleOffsetZ = 0.0f;
std::string StatePlay::HUDString1;
std::string StatePlay::HUDString2;
bool StatePlay::drawOkButton = false;
bool StatePlay::buttonWasPressed = false;
bool StatePlay::quickPauseEnabled = false;
bool StatePlay::gameIsFinished = false;
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

void StatePlay::setZoom(float z) {
    zoom = z;
    realZoom = z * Device::zoom;
}

void StatePlay::setMoveJoystickVisibility(bool visible) {
    if (joysticks)
        joysticks->setMoveJoystickVisibility(visible);
}

void StatePlay::setShootJoystickVisibility(bool visible) {
    if (joysticks)
        joysticks->setShootJoystickVisibility(visible);
}
