// Start-up, the main loop with its two touch slots, and shutdown.
#include "core/MainLoop.h"

#include <cstdio>
#include <string>

#include "core/Device.h"
#include "core/Game.h"
#include "core/KeyPress.h"
#include "core/State.h"
#include "core/glwin.h"
#include "platform/audiodevice.h"
#include "platform/bps.h"
#include "platform/mmrenderer.h"
#include "platform/navigator.h"

MainLoopState mainLoop;
void (*musicOnWindowFocus)(bool active) = nullptr;
void (*musicOnTrackEnd)() = nullptr;
void (*afterFrameShown)() = nullptr;

static Game* game = nullptr;
static bool bpsStarted = false;

int initialize() {
    if (glwin_get_surface_size(&mainLoop.width, &mainLoop.height) != 0)
        return 1;
    Device::setScreenSize(mainLoop.height, mainLoop.width);
    return 0;
}

// message may be null where the failing step has said why itself.
static int startUpFailed(const char* message) {
    if (message)
        fputs(message, stderr);
    glwin_terminate();
    if (bpsStarted)
        bps_shutdown();
    bpsStarted = false;
    screen_destroy_context(mainLoop.screen_cxt);
    mainLoop.screen_cxt = nullptr;
    return 1;
}

int StartUpFaults::failStep = 0;

// A checked step of the start-up failed, or a test fails it on purpose.
static bool failed(int step, bool stepFailed) { return stepFailed || StartUpFaults::failStep == step; }

// The back ends deliver keys into the key bit arrays and report a keyboard.
static void keyBitChangedInGame(int bit, bool down) { KeyPress::setKeyStatus((KeyPress::BIT_KEY)bit, down ? 1 : 0); }
static void keyboardFoundByGame() { Device::hasKeyboard = true; }

int startPlatformAndGame() {
    mainLoop = MainLoopState();
    keyBitChanged = keyBitChangedInGame;
    keyboardFound = keyboardFoundByGame;
    if (screen_create_context(&mainLoop.screen_cxt, SCREEN_APPLICATION_CONTEXT) != 0)
        return startUpFailed("cannot start the display service\n");
    // Without the event service (SDL on the desktop) there is no input and no
    // window. Its back end tells the user why (no display, a bad input script).
    if (bps_initialize() != BPS_SUCCESS)
        return startUpFailed(nullptr);
    bpsStarted = true;
    if (failed(1, glwin_init_egl(mainLoop.screen_cxt) != 0))
        return startUpFailed("glwin_init_egl failed\n");
    if (failed(2, initialize() != 0))
        return startUpFailed("initialize failed\n");
    if (failed(3, screen_request_events(mainLoop.screen_cxt) != 0))
        return startUpFailed("screen_request_events failed\n");
    if (failed(4, navigator_request_events(0) != BPS_SUCCESS))
        return startUpFailed("navigator_request_events failed\n");
    if (failed(5, navigator_rotation_lock(false) != BPS_SUCCESS))
        return startUpFailed("navigator_rotation_lock failed\n");
    game = Game::getInstance();
    audiodevice_request_events(0);
    return 0;
}

// Touch positions turn into game-frame axes; -1 stays free to mean "no touch".
static void handleScreenEvent(bps_event_t* event) {
    screen_event_t screenEvent = screen_event_get_event(event);
    int type = SCREEN_EVENT_NONE, position[2] = {0, 0}, id = 0;
    screen_get_event_property_iv(screenEvent, SCREEN_PROPERTY_TYPE, &type);
    screen_get_event_property_iv(screenEvent, SCREEN_PROPERTY_SOURCE_POSITION, position);
    screen_get_event_property_iv(screenEvent, SCREEN_PROPERTY_TOUCH_ID, &id);
    int tx = mainLoop.height - position[1];
    int ty = position[0];
    if (tx == -1)
        tx = -2;
    if (ty == -1)
        ty = -2;

    MainLoopState& s = mainLoop;
    switch (type) {
    case SCREEN_EVENT_MTOUCH_TOUCH:
        if (id == s.id1) {
            s.x1 = tx, s.y1 = ty, s.used1 = true;
        } else if (id == s.id2) {
            s.x2 = tx, s.y2 = ty, s.used2 = true;
        } else if (!s.used1) {
            s.id1 = id, s.x1 = tx, s.y1 = ty, s.used1 = true;
        } else if (!s.used2) {
            s.id2 = id, s.x2 = tx, s.y2 = ty, s.used2 = true;
        }
        break;
    case SCREEN_EVENT_MTOUCH_MOVE:
        if (id == s.id1)
            s.x1 = tx, s.y1 = ty;
        else if (id == s.id2)
            s.x2 = tx, s.y2 = ty;
        break;
    case SCREEN_EVENT_MTOUCH_RELEASE:
        if (id == s.id1 && s.used1)
            s.used1 = false;
        else if (id == s.id2 && s.used2)
            s.used2 = false;
        break;
    }
}

static void handleNavigatorEvent(bps_event_t* event) {
    switch (bps_event_get_code(event)) {
    case NAVIGATOR_EXIT: mainLoop.exit_application = 1; break;
    case NAVIGATOR_WINDOW_STATE: mainLoop.used1 = mainLoop.used2 = false; break;
    case NAVIGATOR_SWIPE_DOWN: Game::getInstance()->setPause(); break;
    case NAVIGATOR_WINDOW_ACTIVE:
        if (musicOnWindowFocus)
            musicOnWindowFocus(true);
        break;
    case NAVIGATOR_WINDOW_INACTIVE:
        // Fingers on the screen are lost with the focus, whatever the music does.
        if (musicOnWindowFocus)
            musicOnWindowFocus(false);
        mainLoop.used1 = mainLoop.used2 = false;
        break;
    }
}

// The renderer stops without an error at the end of the track.
static void handleRendererEvent(bps_event_t* event) {
    if (mmrenderer_event_get_state(event) != MMR_STATE_STOPPED)
        return;
    const mmr_error_info_t* error = mmrenderer_event_get_error(event);
    if (!error || error->error_code != 0)
        return;
    if (musicOnTrackEnd)
        musicOnTrackEnd();
}

void mainHandleEvent(bps_event_t* event) {
    int domain = bps_event_get_domain(event);
    if (domain == screen_get_domain())
        handleScreenEvent(event);
    else if (domain == navigator_get_domain())
        handleNavigatorEvent(event);
    else if (domain >= 0 && domain == mmrenderer_get_domain())
        handleRendererEvent(event);
}

void mainLoopFrame() {
    bps_event_t* event = nullptr;
    while (bps_get_event(&event, 1) == BPS_SUCCESS && event)
        mainHandleEvent(event);

    MainLoopState& s = mainLoop;
    if (s.used1 && s.used2)
        game->setTouch(s.x1, s.y1, s.x2, s.y2);
    else if (s.used1)
        game->setTouch(s.x1, s.y1, -1, -1);
    else if (s.used2)
        game->setTouch(s.x2, s.y2, -1, -1);
    else
        game->setTouch(-1, -1, -1, -1);

    game->updateState();
    game->draw();
    glwin_swap();
    if (afterFrameShown)
        afterFrameShown();
}

void mainShutDown() {
    screen_stop_events(mainLoop.screen_cxt);
    navigator_stop_events(0);
    bps_shutdown();
    bpsStarted = false;
    glwin_terminate();
    screen_destroy_context(mainLoop.screen_cxt);
    mainLoop.screen_cxt = nullptr;
}
