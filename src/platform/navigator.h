// Navigator: the application's life-cycle events and opening addresses.
#pragma once

// Event codes of the navigator domain.
enum {
    NAVIGATOR_EXIT = 2,
    NAVIGATOR_WINDOW_STATE = 3,
    NAVIGATOR_SWIPE_DOWN = 4,
    NAVIGATOR_WINDOW_ACTIVE = 10,
    NAVIGATOR_WINDOW_INACTIVE = 11,
};

// Navigator events are delivered only after this call.
int navigator_request_events(int flags);
int navigator_stop_events(int flags);
int navigator_rotation_lock(bool locked);
int navigator_get_domain();
// Opens the address in the desktop's browser (xdg-open, started without a
// shell), or prints it when that cannot be started. *err, when given, is set
// to null.
int navigator_invoke(const char* uri, char** err);

// Queues a navigator event (back ends and tests); dropped while navigator
// events are not requested.
void navigator_inject_event(unsigned int code);
