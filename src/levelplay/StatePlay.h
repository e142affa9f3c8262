// The play screen. For now only its class-wide state: the camera, the half
// extents of the visible world rectangle and the sticks of the game.
#pragma once

#include <string>

#include "core/Coord.h"
#include "core/State.h"

class Entity;
class Joysticks;

class StatePlay : public State {
public:
    static void setCamera(Coord& c) { camera = c; }
    // Half extents of the visible rectangle at the current zoom.
    static void calculateCameraLimits();
    // How far the entity lies outside the visible rectangle (negative inside),
    // with the limits of the last calculateCameraLimits.
    static float getMaxDistanceOffCamera(Entity* e);
    // The one Joysticks object of the play screen, made on first use.
    static Joysticks* getJoysticks();

    // The difficulty (0 to 2) every actor and script reads: the preference,
    // unless the play screen pinned a value for this game (infinity games and
    // their playback run at 0 whatever the preference).
    static int getDifficulty();
    static void pinDifficulty(int difficulty);
    static void unpinDifficulty();

    // Camera settings a level script steers.
    static void setZoom(float z);
    static float getCameraZoom() { return zoom; }
    static void setCameraXAngle(float a) { cameraAngleOffsetX = a; }
    static void setCameraYAngle(float a) { cameraAngleOffsetY = a; }
    static void setCameraZAngle(float a) { cameraAngleOffsetZ = a; }
    // Forwarded to the sticks, when they exist.
    static void setMoveJoystickVisibility(bool visible);
    static void setShootJoystickVisibility(bool visible);

    static Coord camera;
    // The zoom applied: zoom times the device zoom.
    static float realZoom;
    // Degrees about the y, x and z axes.
    static float cameraAngleOffsetX;
    static float cameraAngleOffsetY;
    static float cameraAngleOffsetZ;
    static float cameraVisibleLimitX;
    static float cameraVisibleLimitY;
    // The play screen's zoom; the real zoom is this times the device zoom.
    static float zoom;
    static Joysticks* joysticks;
    static int shipModelSelected;

    // What a level script shows and reads during a game: the two heads-up
    // lines, the OK button, quick pause and the end of the game.
    static std::string HUDString1;
    static std::string HUDString2;
    static bool drawOkButton;
    static bool buttonWasPressed;
    static bool quickPauseEnabled;
    static bool gameIsFinished;
};
