// The entry point's work in core: the platform's start-up, the per-frame loop
// and shutdown.
//
// The program's start-up (Startup.h) runs startPlatformAndGame() and then loads
// the game; tests drive the same steps one frame at a time with injected
// platform events.
#pragma once

#include <string>

#include "platform/screen.h"

struct bps_event_t;

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

// Brings up the platform, the surface and the Game (projection, touches, no
// screen yet); 0 on success. A failing step prints its message to the standard
// error stream, releases what was made and returns 1.
int startPlatformAndGame();
// A failure injected into startPlatformAndGame, for tests: 1 to 5 fail the
// checked steps in their order (the drawing set-up, the surface size, the
// window's events, the system's events, the orientation); 0 fails none.
struct StartUpFaults {
    static int failStep;
};
// Reads the surface size into the loop state and the device parameters.
int initialize();
// Drains the pending events, hands the touches to the Game, updates, draws and
// presents one frame.
void mainLoopFrame();
// Handles one platform event as the loop does.
void mainHandleEvent(bps_event_t* event);
// Stops the events and releases the platform and the surface.
void mainShutDown();

// The music's part in the loop, set by the start-up: the window gaining (true)
// or losing the focus, and the track coming to its end without an error.
extern void (*musicOnWindowFocus)(bool active);
extern void (*musicOnTrackEnd)();
// Called after each frame is shown, set by the start-up (which opens there
// what could wait for the first frame: the sound device and the music).
extern void (*afterFrameShown)();
