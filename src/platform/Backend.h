// The two back ends behind the platform services: a desktop window or headless.
//
// Internal to src/platform: the services (event, screen, navigator) call the
// back end chosen at start from the environment (ZORBIX_HEADLESS=1 selects the
// headless one) and the back end feeds events in through the services' inject
// functions.
#pragma once

#include <cstdint>
#include <string>

class PlatformBackend {
public:
    virtual ~PlatformBackend() {}

    // Brings up the event source; false when it cannot start.
    virtual bool start() = 0;
    virtual void stop() = 0;
    // Called when the main loop starts draining the events of a new frame.
    virtual void beginFrame() = 0;
    // Turns pending native input into queued events (main thread).
    virtual void pump() = 0;
    // Opens the native window for a surface of the given size; false on failure.
    virtual bool openWindow(int width, int height) = 0;
    virtual void closeWindow() = 0;
    // The X11 window under the EGL surface; 0 for the off-screen back end.
    virtual uintptr_t nativeWindow() = 0;
    virtual bool isOffscreen() = 0;
    // Called after each presented frame; holds the frame rate down where the
    // display does not.
    virtual void paceFrame() = 0;
    // Headless only: adds one input script line while the game runs; false
    // when the line cannot be read or the back end takes no script.
    virtual bool queueInput(const std::string&) { return false; }
    // Frames begun so far (headless); 0 for the desktop.
    virtual long currentFrame() { return 0; }
};

// The back end of this process, chosen on first use.
PlatformBackend* platformBackend();
PlatformBackend* makeDesktopBackend();
PlatformBackend* makeHeadlessBackend();
