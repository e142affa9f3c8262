// Desktop back end: an SDL2 window on X11; mouse, fingers and keys become events.
//
// The left mouse button is touch id 0 (position held inside the window); SDL
// finger events are touches with ids from 1. Closing the window is the
// navigator's exit, losing and regaining focus is window inactive / active,
// minimising and restoring is the window-state event, P or Pause is the swipe
// down that pauses a game. The keyboard also feeds the key bit arrays: arrows
// or W A S D move (and walk the menus), I J K L shoot, Enter or Space press,
// Escape is back.
#include <SDL.h>
#include <SDL_syswm.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

#include "platform/Backend.h"
#include "platform/KeyNames.h"
#include "platform/navigator.h"
#include "platform/screen.h"

namespace {

int clampInt(int v, int low, int high) { return v < low ? low : v > high ? high : v; }

class DesktopBackend : public PlatformBackend {
public:
    bool start() override {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
        // Fingers and the mouse are told apart here; SDL must not mirror one as the other.
        SDL_SetHint(SDL_HINT_TOUCH_MOUSE_EVENTS, "0");
        SDL_SetHint(SDL_HINT_MOUSE_TOUCH_EVENTS, "0");
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
            fprintf(stderr, "cannot open the window (%s); ZORBIX_HEADLESS=1 runs without one\n", SDL_GetError());
            return false;
        }
        // Keys reach the game here: arrows move the focus and Enter presses.
        if (keyboardFound)
            keyboardFound();
        return true;
    }

    void stop() override {
        closeWindow();
        SDL_Quit();
    }

    void beginFrame() override {}

    void pump() override {
        SDL_Event e;
        while (SDL_PollEvent(&e))
            translate(e);
    }

    bool openWindow(int w, int h) override {
        window = SDL_CreateWindow("Zorbix 2", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h, SDL_WINDOW_SHOWN);
        if (!window) {
            fprintf(stderr, "SDL_CreateWindow: %s\n", SDL_GetError());
            return false;
        }
        SDL_SysWMinfo info;
        SDL_VERSION(&info.version);
        if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) {
            fprintf(stderr, "the window is not an X11 window\n");
            closeWindow();
            return false;
        }
        xWindow = (uintptr_t)info.info.x11.window;
        width = w;
        height = h;
        return true;
    }

    void closeWindow() override {
        if (window)
            SDL_DestroyWindow(window);
        window = nullptr;
        xWindow = 0;
        mouseDown = false;
    }

    uintptr_t nativeWindow() override { return xWindow; }
    bool isOffscreen() override { return false; }

    // The game counts frames, not time, and was made for a 60 Hz display; where
    // the swap does not wait for the display (software rendering, Xvfb) frames
    // are held to that rate here.
    void paceFrame() override {
        using Clock = std::chrono::steady_clock;
        const Clock::duration period = std::chrono::microseconds(16667);
        // A display that keeps the pace itself is never more than this early.
        const Clock::duration slack = std::chrono::milliseconds(2);
        Clock::time_point now = Clock::now();
        if (nextFrame - now > slack)
            std::this_thread::sleep_until(nextFrame);
        nextFrame += period;
        // After a stall the pace starts afresh instead of rushing to catch up.
        if (nextFrame < now)
            nextFrame = now + period;
    }

private:
    void mouseTouch(int type, int x, int y) {
        screen_inject_touch(type, clampInt(x, 0, width - 1), clampInt(y, 0, height - 1), 0);
    }

    void fingerTouch(int type, const SDL_TouchFingerEvent& f) {
        int id = 1 + (int)(f.fingerId & 0x3FFFFFFF);
        int x = clampInt((int)(f.x * width), 0, width - 1);
        int y = clampInt((int)(f.y * height), 0, height - 1);
        screen_inject_touch(type, x, y, id);
    }

    void translate(const SDL_Event& e) {
        switch (e.type) {
        case SDL_QUIT: navigator_inject_event(NAVIGATOR_EXIT); break;
        case SDL_WINDOWEVENT:
            switch (e.window.event) {
            case SDL_WINDOWEVENT_CLOSE: navigator_inject_event(NAVIGATOR_EXIT); break;
            case SDL_WINDOWEVENT_FOCUS_LOST: navigator_inject_event(NAVIGATOR_WINDOW_INACTIVE); break;
            case SDL_WINDOWEVENT_FOCUS_GAINED: navigator_inject_event(NAVIGATOR_WINDOW_ACTIVE); break;
            case SDL_WINDOWEVENT_MINIMIZED:
            case SDL_WINDOWEVENT_RESTORED: navigator_inject_event(NAVIGATOR_WINDOW_STATE); break;
            }
            break;
        case SDL_MOUSEBUTTONDOWN:
            if (e.button.button == SDL_BUTTON_LEFT && e.button.which != SDL_TOUCH_MOUSEID && !mouseDown) {
                mouseDown = true;
                mouseTouch(SCREEN_EVENT_MTOUCH_TOUCH, e.button.x, e.button.y);
            }
            break;
        case SDL_MOUSEMOTION:
            if (mouseDown && e.motion.which != SDL_TOUCH_MOUSEID)
                mouseTouch(SCREEN_EVENT_MTOUCH_MOVE, e.motion.x, e.motion.y);
            break;
        case SDL_MOUSEBUTTONUP:
            if (e.button.button == SDL_BUTTON_LEFT && mouseDown) {
                mouseDown = false;
                mouseTouch(SCREEN_EVENT_MTOUCH_RELEASE, e.button.x, e.button.y);
            }
            break;
        case SDL_FINGERDOWN: fingerTouch(SCREEN_EVENT_MTOUCH_TOUCH, e.tfinger); break;
        case SDL_FINGERMOTION: fingerTouch(SCREEN_EVENT_MTOUCH_MOVE, e.tfinger); break;
        case SDL_FINGERUP: fingerTouch(SCREEN_EVENT_MTOUCH_RELEASE, e.tfinger); break;
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            KeyAction action;
            if (!keyActionForName(SDL_GetKeyName(e.key.keysym.sym), &action))
                break;
            bool down = e.type == SDL_KEYDOWN;
            if (action.pauses && down && !e.key.repeat)
                navigator_inject_event(NAVIGATOR_SWIPE_DOWN);
            if (action.bit && keyBitChanged)
                keyBitChanged(action.bit, down);
            break;
        }
        }
    }

    SDL_Window* window = nullptr;
    uintptr_t xWindow = 0;
    int width = 1024;
    int height = 600;
    bool mouseDown = false;
    std::chrono::steady_clock::time_point nextFrame;
};

}  // namespace

PlatformBackend* makeDesktopBackend() { return new DesktopBackend(); }
