// The two on-screen sticks: placement from the player's settings, touches and
// keys to angle and strength, the quantised per-step record, and drawing. The
// models and the drawing are graphics' part (graphics/JoysticksGraphics.cpp).
#pragma once

#include "core/Coord.h"
#include "core/SerializedJoystickData.h"

class VectorModel;

class Joystick {
public:
    Joystick() : angle(0.0f), norm(0.0f), style(0), zoom(0.0f) {}

    // Angle in whole degrees (0 toward smaller y, 90 toward larger x) and
    // strength 0..65 of a point against a stick centre, for a stick size.
    static void fromPoint(int tx, int ty, int cx, int cy, float zoom, float* angle, float* norm);
    void update(int tx, int ty, int cx, int cy) { fromPoint(tx, ty, cx, cy, zoom, &angle, &norm); }
    void setZoom(float z) { zoom = z; }

    float angle;
    float norm;
    int style;  // frame of the stick graphic: 0 move, 1 shoot, 2 move with the ally
    float zoom;
};

class Joysticks {
public:
    struct Centre {
        int x = 0;
        int y = 0;
    };

    // The player's stick settings. The start-up connects the hooks below to
    // the preferences, above core; unset, the sticks read the preferences'
    // defaults and changes are not kept.
    struct Settings {
        int position = 3;    // placement 0..6, 6 the custom one
        int customSize = 0;  // the custom placement's stick size, in thousandths
        Coord customHigh, customLow;
        bool swapped = false;
        bool hidden = false;  // drawn transparent
        int style = 1;        // 1 the regular graphic, else Zorbix's
    };
    static Settings (*readSettings)();
    // Store the placement, or the swap, and save them.
    static void (*storePosition)(int position);
    static void (*storeSwap)(bool swapped);

    Joysticks();
    // Placement from the settings, keys at rest, both sticks shown and their models loaded.
    void init();
    void setPositionsOfJoysticksAccordingToPreferences();
    void changeLocation();
    void swap();
    void activateBlueAndRedJoystick(bool on);

    void update(int* touchX, int* touchY);
    void updateWithBadMultitouchCorrectionDiagonal1(int* touchX, int* touchY);
    void updateWithBadMultitouchCorrectionDiagonal2(int* touchX, int* touchY);
    void updateWithJoystickHardware(float angle1, float norm1, float angle2, float norm2);
    void updateWithKeys(int keys);
    bool residualHWMovementIsPresent() {
        return keyMoveX != 0.0f || keyMoveY != 0.0f || keyShootX != 0.0f || keyShootY != 0.0f;
    }
    // The replay path: both sticks from a record.
    void update(SerializedJoystickData* data);

    float getMoveJoystickAngle() { return moveStick->angle; }
    float getMoveJoystickNorm() { return moveStick->norm; }
    float getShootJoystickAngle() { return shootStick->angle; }
    float getShootJoystickNorm() { return shootStick->norm; }
    Joystick* getMoveJoystick() { return moveStick; }
    Joystick* getShootJoystick() { return shootStick; }
    void setMoveJoystickVisibility(bool v) { moveVisible = v; }
    void setShootJoystickVisibility(bool v) { shootVisible = v; }

    void draw();
    void drawWithMarkers(bool markHigh, bool markLow, float angle);
    void drawRegularStyle(float x, float y, Joystick* stick, float scale, bool transparent);
    static void drawZorbixStyle(float x, float y, Joystick* stick, float scale, bool transparent);
    void print() {}

    // The placement that comes after the given one in the settings' cycle.
    static int nextLocation(int position);

    SerializedJoystickData current;
    Centre highStickCentre;
    Centre lowStickCentre;
    VectorModel* zorbixStyleModel;
    VectorModel* regularStyleModel;
    float size;
    bool blueAndRedActive;
    bool shootVisible, moveVisible;
    Joystick lowStick, highStick;
    Joystick* shootStick;
    Joystick* moveStick;
    Joystick* lowStickRef;
    Joystick* highStickRef;
    float keyMoveX, keyShootX, keyMoveY, keyShootY;

private:
    static Settings settings() { return readSettings ? readSettings() : Settings(); }
    void packAndApply();
    void drawStick(Centre c, Joystick* stick, bool transparent, int style);
};
