// The camera, sticks and difficulty of the running level.
#include "core/PlayContext.h"

#include <cmath>

#include "core/Device.h"
#include "core/Entity.h"
#include "core/Joysticks.h"

Coord PlayContext::camera;
float PlayContext::cameraVisibleLimitX = 0.0f;
float PlayContext::cameraVisibleLimitY = 0.0f;
float PlayContext::zoom = 1.0f;
float PlayContext::realZoom = 1.0f;
float PlayContext::cameraAngleOffsetX = 0.0f;
float PlayContext::cameraAngleOffsetY = 0.0f;
float PlayContext::cameraAngleOffsetZ = 0.0f;
Joysticks* PlayContext::joysticks = nullptr;
int PlayContext::shipModelSelected = 0;
int (*PlayContext::preferredDifficulty)() = nullptr;
bool (*PlayContext::shootingSoundsMuted)() = nullptr;

static bool difficultyPinned = false;
static int pinnedDifficulty = 0;

int PlayContext::getDifficulty() {
    if (difficultyPinned)
        return pinnedDifficulty;
    return preferredDifficulty ? preferredDifficulty() : 0;
}

void PlayContext::pinDifficulty(int difficulty) {
    difficultyPinned = true;
    pinnedDifficulty = difficulty;
}

void PlayContext::unpinDifficulty() { difficultyPinned = false; }

void PlayContext::setZoom(float z) {
    zoom = z;
    realZoom = z * Device::zoom;
}

void PlayContext::calculateCameraLimits() {
    cameraVisibleLimitX = (float)Device::screenWidth / realZoom * 0.5f;
    cameraVisibleLimitY = (float)Device::screenHeight / realZoom * 0.5f;
}

float PlayContext::getMaxDistanceOffCamera(Entity* e) {
    float dx = std::fabs(e->position.x - camera.x) - cameraVisibleLimitX;
    float dy = std::fabs(e->position.y - camera.y) - cameraVisibleLimitY;
    return dx > dy ? dx : dy;
}

Joysticks* PlayContext::getJoysticks() {
    if (!joysticks)
        joysticks = new Joysticks();
    return joysticks;
}

void PlayContext::setMoveJoystickVisibility(bool visible) {
    if (joysticks)
        joysticks->setMoveJoystickVisibility(visible);
}

void PlayContext::setShootJoystickVisibility(bool visible) {
    if (joysticks)
        joysticks->setShootJoystickVisibility(visible);
}
