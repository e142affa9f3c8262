// A slow enemy that shows its future: six straight segments of 80 units
// planned ahead in compass directions, free of walls, walked one unit a step.
#pragma once

#include "core/Color.h"
#include "core/ReactsToWeaponOrPlayer.h"

class VectorModel;

class Planner : public ReactsToWeaponOrPlayer {
public:
    static constexpr int SEGMENTS = 6;
    static constexpr int SEGMENT_LENGTH = 80;

    explicit Planner(Coord position);
    ~Planner() override;

    // One draw: a compass direction; *angle receives it in degrees.
    static Coord getRandomDirection(float* angle);
    // No wall at start + i * direction for i = 0..80.
    static bool isDirectionValid(Coord start, Coord direction);
    // Draws until a direction is free. When none of the eight is free it
    // draws nothing and gives the zero direction (a still segment) and
    // leaves *angle as it was.
    static void findValidDirection(Coord start, Coord* direction, float* angle);
    void initPlanning();
    void createSegmentExplostions();

    void draw() override;
    void update() override;
    bool isVisible() override { return true; }
    bool reactToWeapon(PlayerWeapon* weapon) override;
    void reactToCollisionWithPlayerCallback(Entity* player) override;

    // Segment k is (startX, startY, endX, endY) at 4k, ready to draw as lines.
    float segments[4 * SEGMENTS];
    Coord directions[SEGMENTS];
    float angles[SEGMENTS];
    int current;
    int stepsLeft;
    int startTime;
    Color colour;

    static VectorModel* vm;
    static int count;
};
