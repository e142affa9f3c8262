// The entry point's work: start-up, the per-frame loop and shutdown.
//
// main() runs runMainLoop(); tests drive the same steps one frame at a time
// with injected platform events.
#pragma once

#include <string>

#include "platform/screen.h"

struct bps_event_t;
class State;

// The entry point's process-wide state.
struct MainLoopState {
    screen_context_t screen_cxt = nullptr;
    int width = 0;   // EGL surface width in pixels
    int height = 0;  // EGL surface height in pixels
    int exit_application = 0;
    // The two touch slots: in use, platform touch id (kept after release) and
    // last position in game-frame axes.
    bool used1 = false, used2 = false;
    int id1 = 0, id2 = 0;
    int x1 = -1, y1 = -1, x2 = -1, y2 = -1;
};

extern MainLoopState mainLoop;

// Brings up the platform, the surface and the Game; 0 on success. A failing
// step prints its message to the standard error stream, releases what was made
// and returns 1.
int mainStartUp();
// Reads the surface size into the loop state and the device parameters.
int initialize();
// Drains the pending events, hands the touches to the Game, updates, draws and
// presents one frame.
void mainLoopFrame();
// Handles one platform event as the loop does.
void mainHandleEvent(bps_event_t* event);
// Stops the events and releases the platform and the surface.
void mainShutDown();
// The whole program: start-up, the screen startScreen asks for (null keeps the
// first screen; an error message ends the program), frames until the exit
// event, shutdown. Returns the process exit status.
int runMainLoop(State* (*startScreen)(std::string* error));
