// A spark burst at a random screen point, drawn from the shared explosion
// buffer, that restarts on request. Decoration only: it uses the C generator.
#pragma once

#include "core/Color.h"
#include "core/Coord.h"

class BackgroundExplosions {
public:
    BackgroundExplosions();

    void set();
    // Starts again when finished.
    void reset();
    void update(bool restart);
    void draw();

    Coord position;
    Color colour1, colour2;
    float alpha;
    bool finished;
    int frame;
    int offset;  // bytes into a frame of the shared buffer
    int delay;
};
