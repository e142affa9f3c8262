// Screen service: context, one window over the back end, and touch events.
#include "platform/screen.h"

#include <cerrno>

#include "platform/Backend.h"
#include "platform/bps.h"

// The surface is landscape, 1024 x 600, on both back ends.
static const int displayWidth = 1024;
static const int displayHeight = 600;

struct screen_context {
    int type;
};

struct screen_display {
    int size[2];
    screen_display_mode_t mode;
};

struct screen_window {
    screen_context_t context;
    int format = 0;
    int usage = 0;
    int bufferSize[2] = {displayWidth, displayHeight};
    int rotation = 0;
    bool opened = false;
};

struct screen_event {
    int type;
    int position[2];
    int touchId;
};

static screen_display theDisplay = {{displayWidth, displayHeight}, {displayWidth, displayHeight, 60}};
static bool eventsRequested = false;

static const int screenDomain = 1;

int screen_create_context(screen_context_t* context, int type) {
    if (!context) {
        errno = EINVAL;
        return -1;
    }
    *context = new screen_context{type};
    return 0;
}

int screen_destroy_context(screen_context_t context) {
    delete context;
    eventsRequested = false;
    return 0;
}

int screen_request_events(screen_context_t context) {
    if (!context) {
        errno = EINVAL;
        return -1;
    }
    eventsRequested = true;
    return 0;
}

int screen_stop_events(screen_context_t context) {
    eventsRequested = false;
    return 0;
}

int screen_get_domain() { return screenDomain; }

screen_event_t screen_event_get_event(bps_event_t* event) {
    if (bps_event_get_domain(event) != screenDomain)
        return nullptr;
    return (screen_event_t)bps_event_get_payload(event)->data1;
}

int screen_get_event_property_iv(screen_event_t event, int property, int* value) {
    if (!event || !value) {
        errno = EINVAL;
        return -1;
    }
    switch (property) {
    case SCREEN_PROPERTY_TYPE: *value = event->type; return 0;
    case SCREEN_PROPERTY_SOURCE_POSITION:
        value[0] = event->position[0];
        value[1] = event->position[1];
        return 0;
    case SCREEN_PROPERTY_TOUCH_ID: *value = event->touchId; return 0;
    }
    errno = EINVAL;
    return -1;
}

static void freeScreenEvent(bps_event_t* event) { delete (screen_event*)bps_event_get_payload(event)->data1; }

void screen_inject_touch(int type, int x, int y, int touchId) {
    if (!eventsRequested)
        return;
    screen_event* made = new screen_event{type, {x, y}, touchId};
    bps_event_payload_t payload = {(uintptr_t)made, 0, 0};
    bps_event_t* event = nullptr;
    bps_event_create(&event, screenDomain, 0, &payload, freeScreenEvent);
    bps_push_event(event);
}

int screen_create_window(screen_window_t* window, screen_context_t context) {
    if (!window || !context) {
        errno = EINVAL;
        return -1;
    }
    *window = new screen_window;
    (*window)->context = context;
    return 0;
}

int screen_destroy_window(screen_window_t window) {
    if (!window)
        return 0;
    if (window->opened)
        platformBackend()->closeWindow();
    delete window;
    return 0;
}

int screen_set_window_property_iv(screen_window_t window, int property, const int* value) {
    if (!window || !value) {
        errno = EINVAL;
        return -1;
    }
    switch (property) {
    case SCREEN_PROPERTY_FORMAT: window->format = *value; return 0;
    case SCREEN_PROPERTY_USAGE: window->usage = *value; return 0;
    case SCREEN_PROPERTY_BUFFER_SIZE:
        if (value[0] <= 0 || value[1] <= 0 || window->opened)
            break;
        window->bufferSize[0] = value[0];
        window->bufferSize[1] = value[1];
        return 0;
    case SCREEN_PROPERTY_ROTATION: window->rotation = *value; return 0;
    }
    errno = EINVAL;
    return -1;
}

int screen_get_window_property_iv(screen_window_t window, int property, int* value) {
    if (!window || !value) {
        errno = EINVAL;
        return -1;
    }
    switch (property) {
    case SCREEN_PROPERTY_FORMAT: *value = window->format; return 0;
    case SCREEN_PROPERTY_USAGE: *value = window->usage; return 0;
    case SCREEN_PROPERTY_BUFFER_SIZE:
        value[0] = window->bufferSize[0];
        value[1] = window->bufferSize[1];
        return 0;
    case SCREEN_PROPERTY_ROTATION: *value = window->rotation; return 0;
    }
    errno = EINVAL;
    return -1;
}

int screen_get_window_property_pv(screen_window_t window, int property, void** value) {
    if (!window || !value || property != SCREEN_PROPERTY_DISPLAY) {
        errno = EINVAL;
        return -1;
    }
    *value = &theDisplay;
    return 0;
}

int screen_get_display_property_iv(screen_display_t display, int property, int* value) {
    if (!display || !value || property != SCREEN_PROPERTY_SIZE) {
        errno = EINVAL;
        return -1;
    }
    value[0] = display->size[0];
    value[1] = display->size[1];
    return 0;
}

int screen_get_display_property_pv(screen_display_t display, int property, void** value) {
    if (!display || !value || property != SCREEN_PROPERTY_MODE) {
        errno = EINVAL;
        return -1;
    }
    *(screen_display_mode_t*)value = display->mode;
    return 0;
}

int screen_create_window_buffers(screen_window_t window, int count) {
    if (!window || window->opened) {
        errno = EINVAL;
        return -1;
    }
    if (!platformBackend()->openWindow(window->bufferSize[0], window->bufferSize[1])) {
        errno = EIO;
        return -1;
    }
    window->opened = true;
    return 0;
}

uintptr_t screen_get_window_native_handle(screen_window_t window) {
    return window && window->opened ? platformBackend()->nativeWindow() : 0;
}

bool screen_context_is_offscreen(screen_context_t context) { return platformBackend()->isOffscreen(); }
