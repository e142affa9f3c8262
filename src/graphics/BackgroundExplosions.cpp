// Background bursts: twenty sparks in two colours that fly out and fade.
#include "graphics/BackgroundExplosions.h"

#include <GLES/gl.h>

#include <cstdint>
#include <cstdlib>

#include "core/Device.h"
#include "graphics/Explosion.h"

// A burst draws two runs of 20 spark lines (480 bytes each), the second run
// starting 960 bytes after the first: it spans 1440 bytes of a frame.
static const int BURST_BYTES = 1440;

BackgroundExplosions::BackgroundExplosions() : position(0, 0, 0) { set(); }

void BackgroundExplosions::set() {
    finished = false;
    int w = Device::screenWidth > 0 ? Device::screenWidth : 1;
    int h = Device::screenHeight > 0 ? Device::screenHeight : 1;
    position.x = (float)(rand() % w);
    position.y = (float)(rand() % h);
    colour1.initWithRandomColor();
    colour2.initWithRandomColor();
    frame = 0;
    alpha = 1.0f;
    // The run of sparks stays inside one frame of the shared buffer.
    offset = (rand() % 460) * 24;
    if (offset > Explosion::FRAME_BYTES - BURST_BYTES)
        offset = Explosion::FRAME_BYTES - BURST_BYTES;
    delay = rand() % 15 + 5;
}

void BackgroundExplosions::reset() {
    if (finished)
        set();
}

void BackgroundExplosions::update(bool restart) {
    if (finished) {
        if (!restart)
            return;
        reset();
    }
    frame += 1;
    if (delay >= 0) {
        delay -= 1;
    } else {
        alpha -= 0.05f;
        if (alpha < 0.05f)
            finished = true;
    }
    colour1.a = 0.6f * alpha;
    colour2.a = 0.6f * alpha;
}

void BackgroundExplosions::draw() {
    // Bursts that outlast the 40 frames of the buffer are not drawn past it.
    if (finished || frame >= Explosion::FRAMES || !Explosion::isInitialized)
        return;
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    glBindBuffer(GL_ARRAY_BUFFER, Explosion::getVboName());
    uintptr_t base = (uintptr_t)Explosion::FRAME_BYTES * frame + offset;
    glColor4f(colour1.r, colour1.g, colour1.b, colour1.a);
    glVertexPointer(3, GL_FLOAT, 0, (const void*)base);
    glDrawArrays(GL_LINES, 0, 40);
    glColor4f(colour2.r, colour2.g, colour2.b, colour2.a);
    glVertexPointer(3, GL_FLOAT, 0, (const void*)(base + 960));
    glDrawArrays(GL_LINES, 0, 40);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glPopMatrix();
}
