// Runs a play screen frame by frame without the main loop: the touches of
// each frame go in, the screen updates (and draws, when asked), and the first
// screen it asks for ends the run. For the simulation tool, benchmarks and tests.
#pragma once

#include <cstdint>

class State;
class StatePlay;

class LevelRun {
public:
    // Takes the screen and deletes it with itself.
    explicit LevelRun(StatePlay* play);
    ~LevelRun();
    LevelRun(const LevelRun&) = delete;
    LevelRun& operator=(const LevelRun&) = delete;

    // One frame with these touches (x = -1: none) and no key or hardware
    // stick. An undrawn frame counts toward the campaign time as a drawn one.
    // False once the screen has asked to leave (this frame or before).
    bool frame(const int touchX[2], const int touchY[2], bool draw);

    StatePlay* play;
    // The screen asked for at the end, and its transition type; owned.
    State* next = nullptr;
    int nextType = -1;
    int frames = 0;
};
