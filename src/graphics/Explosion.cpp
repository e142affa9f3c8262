// Line-spark explosions: the shared buffer of spark directions, life and drawing.
#include "graphics/Explosion.h"

#include <GLES/gl.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/isValentineDay.h"

unsigned int Explosion::vboName = 0;
bool Explosion::isInitialized = false;
float* Explosion::precalcVertex = nullptr;
bool Explosion::isActivated = true;

void Explosion::calcTheVertexes(bool contextLost) {
    isInitialized = true;
    // Directions come from the C generator: they are decoration, not simulation.
    std::vector<float> p(SPARKS * 3), q(SPARKS * 3);
    bool heart = isValentineDay();
    for (int i = 0; i < SPARKS; i++) {
        float px, py, pz;
        if (heart) {
            double t = rand() / 1000.0;
            double h = 16 * std::pow(std::sin(t), 3);
            double v = 13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t);
            px = (float)(0.5 * v);
            py = (float)(0.5 * h);
            pz = 0.0f;
        } else {
            float a = (float)rand(), b = (float)rand();
            int k = rand() % 10;
            float len = (float)((k + 130.0) / 20.0);
            px = 1.4f * len * std::cos(b) * std::cos(a);
            py = 1.4f * len * std::cos(b) * std::sin(a);
            pz = 1.4f * len * std::sin(b);
        }
        p[3 * i] = px;
        p[3 * i + 1] = py;
        p[3 * i + 2] = pz;
        q[3 * i] = 0.9f * px;
        q[3 * i + 1] = 0.9f * py;
        q[3 * i + 2] = 0.9f * pz;
    }
    // Frame f, spark i: from f p_i to (4 + 0.9 f) p_i, two vertices of three floats.
    precalcVertex = new float[FRAMES * SPARKS * 6];
    for (int i = 0; i < SPARKS; i++)
        for (int c = 0; c < 3; c++) {
            float start = 0.0f, end = 4 * p[3 * i + c];
            for (int f = 0; f < FRAMES; f++) {
                float* line = &precalcVertex[(f * SPARKS + i) * 6];
                line[c] = start;
                line[3 + c] = end;
                start += p[3 * i + c];
                end += q[3 * i + c];
            }
        }
    if (!contextLost) {
        GLuint old = vboName;
        glDeleteBuffers(1, &old);
    }
    GLuint name = 0;
    glGenBuffers(1, &name);
    vboName = name;
    glBindBuffer(GL_ARRAY_BUFFER, vboName);
    glBufferData(GL_ARRAY_BUFFER, FRAMES * FRAME_BYTES, precalcVertex, GL_STATIC_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    delete[] precalcVertex;
    precalcVertex = nullptr;
}

static void colourFromIndex(int index, Color& c1, Color& c2) {
    static const float table[9][6] = {{1.0f, 0.3f, 0.3f, 1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f, 1.0f, 1.0f, 1.0f},
                                      {0.0f, 0.6f, 1.0f, 1.0f, 1.0f, 1.0f}, {1.0f, 1.0f, 0.0f, 1.0f, 0.5f, 0.0f},
                                      {1.0f, 1.0f, 1.0f, 0.7f, 0.7f, 0.7f}, {1.0f, 0.0f, 1.0f, 1.0f, 0.5f, 1.0f},
                                      {0.0f, 1.0f, 0.0f, 0.0f, 1.0f, 0.0f}, {0.0f, 1.0f, 1.0f, 0.0f, 0.5f, 1.0f},
                                      {0.0f, 0.6f, 1.0f, 0.0f, 0.6f, 1.0f}};
    if (index < 0 || index > 8)
        return;
    const float* t = table[index];
    c1 = Color(t[0], t[1], t[2], 1.0f);
    c2 = Color(t[3], t[4], t[5], 1.0f);
}

Explosion::Explosion(Coord p, Color colour, int n, float s)
    : Entity(p, false), count(n), colour1(colour), colour2(colour), scale(s) {
    init();
}

Explosion::Explosion(Coord p, Color c1, Color c2, int n, float s)
    : Entity(p, false), count(n), colour1(c1), colour2(c2), scale(s) {
    init();
}

Explosion::Explosion(Coord p, int colourIndex, int n, float s) : Entity(p, false), count(n), scale(s) {
    colourFromIndex(colourIndex, colour1, colour2);
    init();
}

void Explosion::init() {
    frame = 0;
    if (!isInitialized)
        calcTheVertexes(false);
    fadeStart = time + 20;
    alpha = 1.0f;
    hidden = !isActivated;
    if (count < 0)
        count = 0;
    if (count < SPARKS) {
        offset = (rand() % (SPARKS - count)) * SPARK_BYTES;
    } else {
        count = SPARKS;
        offset = 0;
    }
    setSpeed(1);
    sameColours = colour1.equals(&colour2);
}

void Explosion::setSpeed(int s) {
    speed = s;
    fadeStep = 0.05f * speed;
    fadeStart = time + 20;
}

void Explosion::update() {
    frame += speed;
    if (fadeStart < time) {
        alpha -= fadeStep;
        if (alpha < fadeStep)
            toBeDeleted = true;
    }
    colour1.a = alpha;
    colour2.a = alpha;
}

void Explosion::draw() {
    // A faster explosion can outrun the 40 frames before it fades out.
    if (hidden || frame < 0 || frame >= FRAMES || count == 0)
        return;
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    if (scale != 1.0f)
        glScalef(scale, scale, scale);
    glBindBuffer(GL_ARRAY_BUFFER, vboName);
    // Byte offsets into the bound buffer, passed where GL takes a pointer.
    uintptr_t base = (uintptr_t)FRAME_BYTES * frame + offset;
    glVertexPointer(3, GL_FLOAT, 0, (const void*)base);
    if (sameColours) {
        glColor4f(colour1.r, colour1.g, colour1.b, colour1.a);
        glDrawArrays(GL_LINES, 0, count * 2);
    } else {
        // The first colour takes the first half of the sparks, rounded up, so
        // that both halves are whole sparks.
        int first = (count + 1) / 2;
        glColor4f(colour1.r, colour1.g, colour1.b, colour1.a);
        glDrawArrays(GL_LINES, 0, first * 2);
        glColor4f(colour2.r, colour2.g, colour2.b, colour2.a);
        glVertexPointer(3, GL_FLOAT, 0, (const void*)(base + first * SPARK_BYTES));
        glDrawArrays(GL_LINES, 0, (count - first) * 2);
    }
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glPopMatrix();
}
