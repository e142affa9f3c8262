// A burst of coloured line sparks: a random run of the 500 precomputed spark
// directions of one shared vertex buffer, animated over 40 frames.
#pragma once

#include "core/Color.h"
#include "core/Entity.h"

class Explosion : public Entity {
public:
    static constexpr int SPARKS = 500;
    static constexpr int FRAMES = 40;
    // A vertex is three floats; a spark is one line of two vertices.
    static constexpr int VERTEX_BYTES = 3 * 4;
    static constexpr int SPARK_BYTES = 2 * VERTEX_BYTES;
    static constexpr int FRAME_BYTES = SPARKS * SPARK_BYTES;

    Explosion(Coord position, Color colour, int count, float scale);
    Explosion(Coord position, Color colour1, Color colour2, int count, float scale);
    Explosion(Coord position, int colourIndex, int count, float scale);

    void draw() override;
    void update() override;
    bool isVisible() override { return calculateIfIsVisible((frame + 10) * 4 * scale); }

    // Builds the shared buffer (a lost GL context keeps its old buffer name).
    static void calcTheVertexes(bool contextLost);
    static unsigned int getVboName() { return vboName; }
    void setSpeed(int s);

    int count;
    float alpha;
    Color colour1, colour2;
    int fadeStart;
    int frame;
    int offset;
    int speed;
    float fadeStep;
    float scale;
    bool sameColours;
    // Made while the effect was switched off: lives its normal life undrawn,
    // so that the world list does not depend on a display setting.
    bool hidden;

    static unsigned int vboName;
    static bool isInitialized;
    static float* precalcVertex;
    static bool isActivated;

private:
    void init();
};
