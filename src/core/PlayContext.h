// What a running level shares between the play screen, which sets it, and the
// actors and scripts, which read it: the camera, the sticks and the difficulty.
#pragma once

#include "core/Coord.h"

class Entity;
class Joysticks;

class PlayContext {
public:
    static void setCamera(Coord& c) { camera = c; }
    static Coord getCamera() { return camera; }
    static void setZoom(float z);
    static float getCameraZoom() { return zoom; }
    static void setCameraXAngle(float a) { cameraAngleOffsetX = a; }
    static void setCameraYAngle(float a) { cameraAngleOffsetY = a; }
    static void setCameraZAngle(float a) { cameraAngleOffsetZ = a; }
    // Half extents of the visible rectangle at the current zoom.
    static void calculateCameraLimits();
    // How far the entity lies outside the visible rectangle (negative inside),
    // with the limits of the last calculateCameraLimits.
    static float getMaxDistanceOffCamera(Entity* e);
    static void setMoveJoystickVisibility(bool visible);
    static void setShootJoystickVisibility(bool visible);
    // The one Joysticks object of the play screen, made on first use.
    static Joysticks* getJoysticks();

    // The difficulty (0 to 2) every actor and script reads: the player's
    // preference, unless the play screen pinned a value for this game
    // (infinity games and their playback run at 0 whatever the preference).
    static int getDifficulty();
    static void pinDifficulty(int difficulty);
    static void unpinDifficulty();
    // The player's preferred difficulty and whether the guns are to be heard;
    // both set by the preferences.
    static int (*preferredDifficulty)();
    static bool (*shootingSoundsMuted)();

    static Coord camera;
    static float cameraVisibleLimitX;
    static float cameraVisibleLimitY;
    // The script's zoom, 1.0 at the start of a game; the real zoom, which the
    // camera and the visible limits use, is this times the device zoom.
    static float zoom;
    static float realZoom;
    static float cameraAngleOffsetX;
    static float cameraAngleOffsetY;
    static float cameraAngleOffsetZ;
    static Joysticks* joysticks;
    static int shipModelSelected;
};
