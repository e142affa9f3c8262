// Headless GL for the graphics tests: one surfaceless EGL context with a
// 1024 x 600 pbuffer for the whole test program, pixel read-back and PNG output.
#pragma once

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GLES/gl.h>
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace graphicstest {

const int kSurfaceWidth = 1024;
const int kSurfaceHeight = 600;

// Makes the context current once per process; every later call is a no-op.
// Returns false when no headless GL is available.
inline bool ensureGlContext() {
    static int state = 0;  // 0 untried, 1 ready, 2 failed
    if (state)
        return state == 1;
    state = 2;
    auto getPlatformDisplay =
        (PFNEGLGETPLATFORMDISPLAYEXTPROC)eglGetProcAddress("eglGetPlatformDisplayEXT");
    if (!getPlatformDisplay)
        return false;
    EGLDisplay display = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr))
        return false;
    const EGLint configAttributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE,
                                       EGL_OPENGL_ES_BIT, EGL_RED_SIZE, 8, EGL_GREEN_SIZE, 8,
                                       EGL_BLUE_SIZE, 8, EGL_ALPHA_SIZE, 8, EGL_NONE};
    EGLConfig config;
    EGLint count = 0;
    if (!eglChooseConfig(display, configAttributes, &config, 1, &count) || count < 1)
        return false;
    eglBindAPI(EGL_OPENGL_ES_API);
    const EGLint contextAttributes[] = {EGL_CONTEXT_CLIENT_VERSION, 1, EGL_NONE};
    EGLContext context = eglCreateContext(display, config, EGL_NO_CONTEXT, contextAttributes);
    if (context == EGL_NO_CONTEXT)
        return false;
    const EGLint surfaceAttributes[] = {EGL_WIDTH, kSurfaceWidth, EGL_HEIGHT, kSurfaceHeight,
                                        EGL_NONE};
    EGLSurface surface = eglCreatePbufferSurface(display, config, surfaceAttributes);
    if (surface == EGL_NO_SURFACE || !eglMakeCurrent(display, surface, surface, context))
        return false;
    state = 1;
    return true;
}

// One unit per pixel with the origin at the bottom left of the surface.
inline void usePixelProjection() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrthof(0.0f, (float)kSurfaceWidth, 0.0f, (float)kSurfaceHeight, -1000.0f, 1000.0f);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // Whole coordinates fall on pixel centres, so a line lights the pixels
    // it names on every rasteriser.
    glTranslatef(0.5f, 0.5f, 0.0f);
}

// The game's drawing state on a cleared frame: additive blending on black,
// vertex arrays on, pixel projection.
inline void resetGlState() {
    glViewport(0, 0, kSurfaceWidth, kSurfaceHeight);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glLineWidth(1.0f);
    glPointSize(1.0f);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    usePixelProjection();
}

struct Pixels {
    int width = kSurfaceWidth;
    int height = kSurfaceHeight;
    std::vector<unsigned char> rgba;  // bottom row first, as GL reads it

    const unsigned char* at(int x, int y) const { return &rgba[((size_t)y * width + x) * 4]; }
    int litCount() const {
        int n = 0;
        for (size_t i = 0; i < rgba.size(); i += 4)
            if (rgba[i] || rgba[i + 1] || rgba[i + 2])
                n++;
        return n;
    }
};

inline Pixels readPixels() {
    Pixels p;
    p.rgba.resize((size_t)p.width * p.height * 4);
    glFinish();
    glReadPixels(0, 0, p.width, p.height, GL_RGBA, GL_UNSIGNED_BYTE, p.rgba.data());
    return p;
}

// Writes the pixels as an RGB PNG, top row first.
inline bool writePng(const Pixels& p, const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        return false;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, p.width, p.height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<unsigned char> row((size_t)p.width * 3);
    for (int y = p.height - 1; y >= 0; y--) {
        for (int x = 0; x < p.width; x++)
            for (int c = 0; c < 3; c++)
                row[(size_t)x * 3 + c] = p.at(x, y)[c];
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
    return true;
}

}  // namespace graphicstest

// Makes the headless context current (a failure when there is none) and
// prepares a clean frame in pixel units.
#define REQUIRE_GL()                                                              \
    do {                                                                          \
        ASSERT_TRUE(graphicstest::ensureGlContext()) << "no headless EGL/GLES";   \
        graphicstest::resetGlState();                                             \
    } while (0)
