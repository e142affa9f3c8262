// The native window and its OpenGL ES 1.1 surface through EGL.
#pragma once

#include "platform/screen.h"

// Builds the window and the EGL surface, current on this thread: 0 on
// success; on failure prints what failed, releases what it made, non-zero.
int glwin_init_egl(screen_context_t ctx);
// Presents the frame; a failure is printed and the caller goes on. When a
// screenshot is asked for, the frame is kept first: the last one is written as
// a PNG by glwin_terminate, or at exit when the game ends without it.
void glwin_swap();
// Writes the screenshot of the last frame when one was asked for, then releases
// everything glwin_init_egl made; safe after a partial set-up.
void glwin_terminate();
// Prints "<text>: <EGL error text>" for eglGetError().
void glwin_egl_perror(const char* text);
// The EGL error text for eglGetError() - 0x3000; index 15 for anything else.
const char* glwin_egl_error_text(int index);
// Surface size, valid after glwin_init_egl.
int glwin_get_surface_size(int* width, int* height);
// False when a requested screenshot could not be written.
bool glwin_screenshot_ok();
