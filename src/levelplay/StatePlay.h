// The play screen. For now only its class-wide state: the camera, the half
// extents of the visible world rectangle and the sticks of the game.
#pragma once

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

    static Coord camera;
    static float cameraVisibleLimitX;
    static float cameraVisibleLimitY;
    // The play screen's zoom; the real zoom is this times the device zoom.
    static float zoom;
    static Joysticks* joysticks;
    static int shipModelSelected;
};
