// Headless GL for the graphics tests: the game's own headless context (a
// 1024 x 600 pbuffer) for the whole test program, pixel read-back and PNG output.
#pragma once

#include <GLES/gl.h>

#include <string>
#include <vector>

#include "graphics/VectorModel.h"
#include "platform/platform.h"
#include "support/HeadlessGame.h"

namespace graphicstest {

const int kSurfaceWidth = 1024;
const int kSurfaceHeight = 600;

// Starts the game headless once per process and draws in its GL context, so
// that what a test caches (fonts, models, textures) stays valid in every other
// test. Returns false when no headless GL is available.
inline bool ensureGlContext() { return startHeadlessGame(); }

// Models cached by earlier tests of the program were built before the GL
// context existed and hold no buffers: build them again, once, in it.
inline void requireGlModels() {
    static bool rebuilt = false;
    if (!rebuilt)
        VectorModel::reloadAllModels(true);
    rebuilt = true;
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

// Writes the pixels as an opaque PNG through the game's own writer.
inline bool writePng(const Pixels& p, const std::string& path) {
    std::vector<unsigned char> opaque = p.rgba;
    for (size_t i = 3; i < opaque.size(); i += 4)
        opaque[i] = 255;
    return platformWritePng(path, opaque.data(), p.width, p.height);
}

}  // namespace graphicstest

// Makes the headless context current (a failure when there is none) and
// prepares a clean frame in pixel units.
#define REQUIRE_GL()                                                            \
    do {                                                                        \
        ASSERT_TRUE(graphicstest::ensureGlContext()) << "no headless EGL/GLES"; \
        graphicstest::resetGlState();                                           \
    } while (0)
