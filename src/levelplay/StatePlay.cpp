// Play screen: camera and visibility.
#include "levelplay/StatePlay.h"

#include <cmath>

#include "core/Device.h"
#include "core/Entity.h"
#include "core/Joysticks.h"

Coord StatePlay::camera;
float StatePlay::cameraVisibleLimitX = 0.0f;
float StatePlay::cameraVisibleLimitY = 0.0f;
float StatePlay::zoom = 1.0f;
Joysticks* StatePlay::joysticks = nullptr;
int StatePlay::shipModelSelected = 0;

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
