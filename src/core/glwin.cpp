// Window glue: native window from the screen service, EGL display, context and surface.
//
// On the desktop the surface is an EGL window surface on the X11 window; headless
// it is a pbuffer of the same size on the surfaceless platform, so that no X
// server is needed.
#include "core/glwin.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GLES/gl.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/platform.h"

static screen_context_t screen_ctx = nullptr;
static screen_window_t screen_win = nullptr;
static screen_display_t screen_disp = nullptr;
static EGLDisplay egl_disp = EGL_NO_DISPLAY;
static EGLConfig egl_conf = nullptr;
static EGLContext egl_ctx = EGL_NO_CONTEXT;
static EGLSurface egl_surf = EGL_NO_SURFACE;
static int initialized = 0;
static bool offscreenSurface = false;
static bool screenshotOk = true;

static const char* const eglErrorTexts[16] = {
    "function succeeded",
    "EGL is not initialized, or could not be initialized, for the specified display",
    "cannot access a requested resource",
    "failed to allocate resources for the requested operation",
    "an unrecognized attribute or attribute value was passed in an attribute list",
    "an EGLConfig argument does not name a valid EGLConfig",
    "an EGLContext argument does not name a valid EGLContext",
    "the current surface of the calling thread is no longer valid",
    "an EGLDisplay argument does not name a valid EGLDisplay",
    "arguments are inconsistent",
    "an EGLNativePixmapType argument does not refer to a valid native pixmap",
    "an EGLNativeWindowType argument does not refer to a valid native window",
    "one or more argument values are invalid",
    "an EGLSurface argument does not name a valid surface configured for rendering",
    "a power management event has occurred",
    "unknown error code",
};

const char* glwin_egl_error_text(int index) {
    if (index < 0 || index > 14)
        index = 15;
    return eglErrorTexts[index];
}

void glwin_egl_perror(const char* text) {
    fprintf(stderr, "%s: %s\n", text, glwin_egl_error_text((int)eglGetError() - EGL_SUCCESS));
}

// The display of the back end: the default one on the desktop (its X server),
// Mesa's surfaceless platform headless.
static EGLDisplay getDisplay(bool offscreen) {
    if (!offscreen)
        return eglGetDisplay(EGL_DEFAULT_DISPLAY);
    auto getPlatformDisplay = (PFNEGLGETPLATFORMDISPLAYEXTPROC)eglGetProcAddress("eglGetPlatformDisplayEXT");
    if (!getPlatformDisplay)
        return EGL_NO_DISPLAY;
    return getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
}

static int fail(const char* text, bool egl) {
    if (egl)
        glwin_egl_perror(text);
    else
        perror(text);
    glwin_terminate();
    return 1;
}

int glwin_init_egl(screen_context_t ctx) {
    screen_ctx = ctx;
    bool offscreen = screen_context_is_offscreen(ctx);

    egl_disp = getDisplay(offscreen);
    if (egl_disp == EGL_NO_DISPLAY)
        return fail("eglGetDisplay", true);
    if (eglInitialize(egl_disp, nullptr, nullptr) != EGL_TRUE)
        return fail("eglInitialize", true);
    if (eglBindAPI(EGL_OPENGL_ES_API) != EGL_TRUE)
        return fail("eglBindApi", true);

    EGLint attributes[] = {EGL_RED_SIZE,
                           8,
                           EGL_GREEN_SIZE,
                           8,
                           EGL_BLUE_SIZE,
                           8,
                           EGL_SURFACE_TYPE,
                           offscreen ? EGL_PBUFFER_BIT : EGL_WINDOW_BIT,
                           EGL_RENDERABLE_TYPE,
                           EGL_OPENGL_ES_BIT,
                           EGL_NONE};
    EGLint count = 0;
    if (eglChooseConfig(egl_disp, attributes, &egl_conf, 1, &count) != EGL_TRUE) {
        glwin_terminate();
        return 1;
    }
    // A successful call that matched nothing leaves no configuration to use.
    if (count < 1) {
        fprintf(stderr, "eglChooseConfig: no matching configuration\n");
        glwin_terminate();
        return 1;
    }

    egl_ctx = eglCreateContext(egl_disp, egl_conf, EGL_NO_CONTEXT, nullptr);
    if (egl_ctx == EGL_NO_CONTEXT)
        return fail("eglCreateContext", true);

    if (screen_create_window(&screen_win, screen_ctx) != 0)
        return fail("screen_create_window", false);
    int format = SCREEN_FORMAT_RGBX8888;
    if (screen_set_window_property_iv(screen_win, SCREEN_PROPERTY_FORMAT, &format) != 0)
        return fail("screen_set_window_property_iv(SCREEN_PROPERTY_FORMAT)", false);
    int usage = SCREEN_USAGE_OPENGL_ES1 | SCREEN_USAGE_ROTATION;
    if (screen_set_window_property_iv(screen_win, SCREEN_PROPERTY_USAGE, &usage) != 0)
        return fail("screen_set_window_property_iv(SCREEN_PROPERTY_USAGE)", false);

    if (screen_get_window_property_pv(screen_win, SCREEN_PROPERTY_DISPLAY, (void**)&screen_disp) != 0)
        return fail("screen_get_window_property_pv", false);
    int displaySize[2];
    if (screen_get_display_property_iv(screen_disp, SCREEN_PROPERTY_SIZE, displaySize) != 0)
        return fail("screen_get_display_property_iv", false);
    // The platform always names the orientation; a missing one counts as 0.
    const char* orientation = getenv("ORIENTATION");
    int angle = orientation ? atoi(orientation) : 0;
    screen_display_mode_t mode;
    if (screen_get_display_property_pv(screen_disp, SCREEN_PROPERTY_MODE, (void**)&mode) != 0)
        return fail("screen_get_display_property_pv", false);
    int size[2];
    if (screen_get_window_property_iv(screen_win, SCREEN_PROPERTY_BUFFER_SIZE, size) != 0)
        return fail("screen_get_window_property_iv", false);

    int buffer[2] = {size[0], size[1]};
    bool landscapeMode = mode.width > mode.height, portraitMode = mode.width < mode.height;
    bool swap;
    if (angle == 0 || angle == 180) {
        swap = (landscapeMode && size[0] < size[1]) || (portraitMode && size[0] > size[1]);
    } else if (angle == 90 || angle == 270) {
        swap = (landscapeMode && size[0] > size[1]) || (portraitMode && size[0] < size[1]);
    } else {
        fprintf(stderr, "Navigator returned an unexpected orientation angle.\n");
        glwin_terminate();
        return 1;
    }
    if (swap) {
        buffer[0] = size[1];
        buffer[1] = size[0];
    }

    if (screen_set_window_property_iv(screen_win, SCREEN_PROPERTY_BUFFER_SIZE, buffer) != 0)
        return fail("screen_set_window_property_iv", false);
    if (screen_set_window_property_iv(screen_win, SCREEN_PROPERTY_ROTATION, &angle) != 0)
        return fail("screen_set_window_property_iv", false);
    if (screen_create_window_buffers(screen_win, 2) != 0)
        return fail("screen_create_window_buffers", false);

    offscreenSurface = offscreen;
    if (offscreen) {
        EGLint pbuffer[] = {EGL_WIDTH, buffer[0], EGL_HEIGHT, buffer[1], EGL_NONE};
        egl_surf = eglCreatePbufferSurface(egl_disp, egl_conf, pbuffer);
    } else {
        egl_surf = eglCreateWindowSurface(egl_disp, egl_conf,
                                          (EGLNativeWindowType)screen_get_window_native_handle(screen_win), nullptr);
    }
    if (egl_surf == EGL_NO_SURFACE)
        return fail("eglCreateWindowSurface", true);
    if (eglMakeCurrent(egl_disp, egl_surf, egl_surf, egl_ctx) != EGL_TRUE)
        return fail("eglMakeCurrent", true);
    platformPinGraphicsDriver();
    if (eglSwapInterval(egl_disp, 1) != EGL_TRUE)
        return fail("eglSwapInterval", true);
    initialized = 1;
    return 0;
}

int glwin_get_surface_size(int* width, int* height) {
    if (!initialized || !width || !height)
        return 1;
    if (eglQuerySurface(egl_disp, egl_surf, EGL_WIDTH, width) != EGL_TRUE ||
        eglQuerySurface(egl_disp, egl_surf, EGL_HEIGHT, height) != EGL_TRUE)
        return 1;
    return 0;
}

// The last frame shown, kept while a screenshot is asked for: the game may end
// in the middle of a frame (exit() from a screen), after which the surface's
// back buffer holds nothing worth writing.
static std::vector<unsigned char> lastFrame;
static int lastFrameWidth = 0, lastFrameHeight = 0;
static bool lastFrameWritten = false;

static void keepFrame() {
    if (glwin_get_surface_size(&lastFrameWidth, &lastFrameHeight) != 0)
        return;
    lastFrame.resize((size_t)lastFrameWidth * lastFrameHeight * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, lastFrameWidth, lastFrameHeight, GL_RGBA, GL_UNSIGNED_BYTE, lastFrame.data());
    // The display is opaque whatever alpha the blending left behind.
    for (size_t i = 3; i < lastFrame.size(); i += 4)
        lastFrame[i] = 255;
}

// Writes the kept frame once, at the shutdown or at exit, whichever comes first.
static void writeLastFrame() {
    const std::string& path = platformScreenshotPath();
    if (path.empty() || lastFrame.empty() || lastFrameWritten)
        return;
    lastFrameWritten = true;
    if (!platformWritePng(path, lastFrame.data(), lastFrameWidth, lastFrameHeight)) {
        fprintf(stderr, "cannot write the screenshot %s\n", path.c_str());
        screenshotOk = false;
    }
}

void glwin_swap() {
    if (!platformScreenshotPath().empty()) {
        static bool atExit = atexit(writeLastFrame) == 0;
        (void)atExit;
        keepFrame();
    }
    // Nothing ever waits on a pbuffer's swap: unfinished, the driver queues
    // frame after frame of work and its memory keeps growing over a long run.
    if (offscreenSurface)
        glFinish();
    if (eglSwapBuffers(egl_disp, egl_surf) != EGL_TRUE)
        glwin_egl_perror("eglSwapBuffers");
    platformPaceFrame();
}

bool glwin_screenshot_ok() { return screenshotOk; }

void glwin_terminate() {
    writeLastFrame();
    if (egl_disp != EGL_NO_DISPLAY) {
        eglMakeCurrent(egl_disp, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        if (egl_surf != EGL_NO_SURFACE) {
            eglDestroySurface(egl_disp, egl_surf);
            egl_surf = EGL_NO_SURFACE;
        }
        if (egl_ctx != EGL_NO_CONTEXT) {
            eglDestroyContext(egl_disp, egl_ctx);
            egl_ctx = EGL_NO_CONTEXT;
        }
        if (screen_win) {
            screen_destroy_window(screen_win);
            screen_win = nullptr;
        }
        eglTerminate(egl_disp);
        egl_disp = EGL_NO_DISPLAY;
    }
    eglReleaseThread();
    initialized = 0;
}
