// Exploding vector frames: segments in midpoint-angle-length form, animated by a sine of time.
#include "graphics/ExplodingVectorFrame.h"

#include <GLES/gl.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "graphics/VectorFrame.h"

namespace {
const double kPi = 3.14159265358979323846;
}

ExplodingVectorFrame::ExplodingVectorFrame(VectorFrame* source) {
    int count = 0;
    const float* v = source->getVertexes(&count);
    const int stride = source->getComponents();
    // Segments are flat: a 3-D frame is broken content, refused like a script error.
    if (stride != 2) {
        std::fprintf(stderr, "exploding frame: the source frame is 3-D, only 2-D frames can explode\n");
        std::fflush(stderr);
        std::exit(1);
    }
    const int segmentCount = count / 2;
    segments.reserve(segmentCount);
    for (int i = 0; i < segmentCount; i++) {
        float x0 = v[(2 * i) * stride], y0 = v[(2 * i) * stride + 1];
        float x1 = v[(2 * i + 1) * stride], y1 = v[(2 * i + 1) * stride + 1];
        float dx = x0 - x1, dy = y0 - y1;
        ExplodingSegment s;
        s.centerX = (x0 + x1) * 0.5f;
        s.centerY = (y0 + y1) * 0.5f;
        s.angle = atan2f(dy, dx);
        s.halfLength = sqrtf(dx * dx + dy * dy) * 0.5f;
        segments.push_back(s);
    }
}

ExplodingVFAnimation::ExplodingVFAnimation(ExplodingVectorFrame* frame_, float speed) : frame(frame_) {
    static const float kSpins[6] = {(float)(-3 * kPi), (float)(-2 * kPi), (float)(-kPi),
                                    (float)kPi,        (float)(2 * kPi),  (float)(3 * kPi)};
    size_t n = frame->getSegments().size();
    spins.reserve(n);
    velocities.reserve(n);
    for (size_t i = 0; i < n; i++) {
        spins.push_back(kSpins[rand() % 6]);
        Coord2D velocity;
        velocity.x = (float)(rand() % 11 - 5) * speed;
        velocity.y = (float)(rand() % 11 - 5) * speed;
        velocities.push_back(velocity);
    }
    vertices.assign(n * 4, 0.0f);
    initVertexes(0.0f);
}

void ExplodingVFAnimation::initVertexes(float t) {
    const float s = (float)std::sin(kPi * t);
    const std::vector<ExplodingSegment>& segments = frame->getSegments();
    for (size_t i = 0; i < segments.size(); i++) {
        const ExplodingSegment& seg = segments[i];
        float a = seg.angle + t * spins[i];
        float mx = seg.centerX + s * velocities[i].x;
        float my = seg.centerY + s * velocities[i].y;
        float hx = seg.halfLength * cosf(a);
        float hy = seg.halfLength * sinf(a);
        vertices[i * 4 + 0] = mx + hx;
        vertices[i * 4 + 1] = my + hy;
        vertices[i * 4 + 2] = mx - hx;
        vertices[i * 4 + 3] = my - hy;
    }
}

void ExplodingVFAnimation::draw() {
    if (vertices.empty())
        return;
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glVertexPointer(2, GL_FLOAT, 0, vertices.data());
    glDrawArrays(GL_LINES, 0, (GLsizei)(vertices.size() / 2));
}
