// A vector frame broken into free line segments that fly apart spinning and come back together.
#pragma once

#include <vector>

class VectorFrame;

struct ExplodingSegment {
    float centerX;
    float centerY;
    float angle;  // radians
    float halfLength;
};

struct Coord2D {
    float x;
    float y;
};

class ExplodingVectorFrame {
public:
    // One segment per line of the source, in line order. The source must be
    // 2-D: a 3-D one ends the process with a message and exit status 1.
    explicit ExplodingVectorFrame(VectorFrame* source);

    const std::vector<ExplodingSegment>& getSegments() const { return segments; }

private:
    std::vector<ExplodingSegment> segments;
};

class ExplodingVFAnimation {
public:
    // Draws each segment's spin and largest displacement from the C rand():
    // the effect is decoration, not part of the replayed game.
    ExplodingVFAnimation(ExplodingVectorFrame* frame, float speed);

    // Segment end points at animation time t: 0 and 1 are the assembled
    // shape, 0.5 the widest spread.
    void initVertexes(float t);
    // Draws the segments as lines from client memory in the current colour.
    void draw();

    const std::vector<float>& getVertices() const { return vertices; }
    const std::vector<float>& getSpins() const { return spins; }
    const std::vector<Coord2D>& getVelocities() const { return velocities; }

private:
    ExplodingVectorFrame* frame;
    std::vector<float> spins;
    std::vector<float> vertices;
    std::vector<Coord2D> velocities;
};
