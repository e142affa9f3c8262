// Screen service: the application context, its window and touch events.
//
// Shaped like the tablet's screen service. Touch events arrive through the
// event service in the domain screen_get_domain(); screen_event_get_event turns
// one into a screen event whose properties are read with
// screen_get_event_property_iv. Positions are window pixels, (0, 0) top left.
#pragma once

#include <cstdint>

struct bps_event_t;

typedef struct screen_context* screen_context_t;
typedef struct screen_window* screen_window_t;
typedef struct screen_display* screen_display_t;
typedef struct screen_event* screen_event_t;

struct screen_display_mode_t {
    int width;
    int height;
    int refresh;
};

enum {
    SCREEN_APPLICATION_CONTEXT = 0,
};

// Property ids.
enum {
    SCREEN_PROPERTY_BUFFER_SIZE = 5,
    SCREEN_PROPERTY_DISPLAY = 11,
    SCREEN_PROPERTY_FORMAT = 14,
    SCREEN_PROPERTY_SOURCE_POSITION = 41,
    SCREEN_PROPERTY_ROTATION = 42,
    SCREEN_PROPERTY_SIZE = 43,
    SCREEN_PROPERTY_TYPE = 47,
    SCREEN_PROPERTY_USAGE = 48,
    SCREEN_PROPERTY_TOUCH_ID = 73,
    SCREEN_PROPERTY_MODE = 80,
};

enum { SCREEN_FORMAT_RGBX8888 = 9 };
enum { SCREEN_USAGE_OPENGL_ES1 = 0x10, SCREEN_USAGE_ROTATION = 0x200 };

// Event types.
enum {
    SCREEN_EVENT_NONE = 0,
    SCREEN_EVENT_MTOUCH_TOUCH = 100,
    SCREEN_EVENT_MTOUCH_MOVE = 101,
    SCREEN_EVENT_MTOUCH_RELEASE = 102,
};

int screen_create_context(screen_context_t* context, int type);
int screen_destroy_context(screen_context_t context);
// Touch events are delivered only between these two calls.
int screen_request_events(screen_context_t context);
int screen_stop_events(screen_context_t context);
int screen_get_domain();

screen_event_t screen_event_get_event(bps_event_t* event);
int screen_get_event_property_iv(screen_event_t event, int property, int* value);

int screen_create_window(screen_window_t* window, screen_context_t context);
int screen_destroy_window(screen_window_t window);
int screen_set_window_property_iv(screen_window_t window, int property, const int* value);
int screen_get_window_property_iv(screen_window_t window, int property, int* value);
int screen_get_window_property_pv(screen_window_t window, int property, void** value);
int screen_get_display_property_iv(screen_display_t display, int property, int* value);
int screen_get_display_property_pv(screen_display_t display, int property, void** value);
// Opens the native window at the buffer size set before (the count is not used).
int screen_create_window_buffers(screen_window_t window, int count);

// What EGL needs of the window: the X11 window id, 0 when the surface is an
// off-screen buffer.
uintptr_t screen_get_window_native_handle(screen_window_t window);
// True when the context's windows are off-screen buffers (headless back end).
bool screen_context_is_offscreen(screen_context_t context);

// Queues a touch event as the screen would report it (back ends and tests);
// dropped while touch events are not requested.
void screen_inject_touch(int type, int x, int y, int touchId);
