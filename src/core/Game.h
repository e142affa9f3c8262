// The one object that holds the application together: current screen, screen
// switching, touches, projection, background grid and the score in progress.
#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "core/Coord.h"
#include "core/MersenneTwister.h"
#include "core/Sha256.h"

class State;
class StateTransition;
class VectorModel;
class DrawString;

class Game {
public:
    static Game* getInstance();
    static void deleteInstance();
    ~Game();

    // The two touches in game-frame pixels; x = -1 for an empty slot.
    void setTouch(int x0, int y0, int x1, int y1);
    void setJoysticks(float angle0, float norm0, float angle1, float norm1);
    void updateState();
    void draw();
    void draw(unsigned int);
    void setPause();

    bool touchIsActive(int slot);
    Coord getTouchCoord(int slot);
    // Slot 0, else slot 1, strictly inside the rectangle; the slot found is written to *slot.
    bool rectIsTouched(Coord position, Coord size, int* slot);

    static void increaseScore(int points);
    static void setScore(int score);
    static int getScore();

    void setOrientation(bool reversed);
    void refreshOrientation();
    // The background grid, drawn behind every screen; the start-up loads it.
    void setGridModel(VectorModel* model) { gridModel = model; }

    void setReturnWasPressed(bool pressed) { returnWasPressed = pressed; }
    bool getReturnWasPressed() { return returnWasPressed; }

    // The shared generator, 0 to 2^31 - 1.
    static int rand() { return (int)(mtRand() & 0x7FFFFFFFu); }
    // A second per-game generator of its own (a MersenneTwister would share
    // the class-wide state) for choices that must replay without moving the
    // shared sequence, such as the dodger's skill.
    static uint32_t secondaryRand() { return secondary(); }
    // Seeds it from the game's seed; the play screen calls it after seeding mtRand.
    static void seedSecondary(unsigned int seed) { secondary.seed(seed ^ 0x9E3779B9u); }
    // SHA-256 of the text as 64 upper-case hexadecimal characters.
    static std::string encode(const std::string& text);

    // The screen being shown and the one being turned away (null outside a switch).
    State* getCurrentState() { return current; }
    State* getPreviousState() { return previous; }
    bool isInTransition() { return inTransition; }
    // Shows the screen at once, deleting the one shown (tests and tools).
    void setCurrentState(State* screen);
    int getUpdateCount() { return updateCount; }
    // The type of the last switch started and how many have started (tests).
    int getLastTransitionType() { return lastTransitionType; }
    int getTransitionCount() { return transitionCount; }

    static Game* instance;
    static int frame;
    static DrawString* ds;
    static MersenneTwister mtRand;
    static std::mt19937 secondary;
    static Sha256 sha256;
    static bool enableBackgroundGrid;
    static bool randWasUsedByScript;
    // Reads the player's screen-reversed setting (false while unset); set by the preferences.
    static bool (*screenReversed)();
    // Draws the grid model behind the screens at the current frame; set by the
    // start-up, which knows the line-width setting.
    static void (*drawGrid)(VectorModel* model);

private:
    Game();
    void setUpOpenGL();
    void initProjection(bool notReversed, float z, bool setViewport);
    void initViewPort();
    void initProjectionMatrix(bool reversed);
    void initModelViewMatrix(float z);
    void drawGridModel();
    void drawState();
    bool isUsable(StateTransition* t);
    void startTransition(StateTransition* t);
    void deleteUnlessShown(State* screen);

    bool returnWasPressed = false;
    int updateCount = 0;
    int lastTransitionType = -1;
    int transitionCount = 0;
    State* current = nullptr;
    State* previous = nullptr;
    int touchX[2];
    int touchY[2];
    int pendingTouchX[2];
    int pendingTouchY[2];
    float joystickAngle[2];
    float joystickNorm[2];
    float pendingJoystickAngle[2];
    float pendingJoystickNorm[2];
    bool inTransition = false;
    bool transitionIsDirected = false;
    float transitionAngle = 0.0f;
    float transitionSpeed = 0.0f;
    float transitionAxis[3];
    int score = 0;
    VectorModel* gridModel = nullptr;
};
