// A point or vector of three floats; game code works in the (x, y) plane.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>

struct Coord {
    float x;
    float y;
    float z;

    Coord() : x(0.0f), y(0.0f), z(0.0f) {}
    Coord(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}

    float getSquareDistance() const { return x * x + y * y; }
    float getSquareDistanceFrom(const Coord& other) const {
        float dx = other.x - x;
        float dy = other.y - y;
        return dx * dx + dy * dy;
    }
    float length() const { return std::sqrt(x * x + y * y); }

    // Scales (x, y) to unit length and returns the old length. The zero vector
    // stays (0, 0) and gives 0.
    float normalize();
    // The same with one Newton step of the inverse square root.
    void fastNormalize();

    // A quarter turn clockwise: (x, y) becomes (y, -x).
    void rotate() {
        float t = x;
        x = y;
        y = -t;
    }
    bool equals(const Coord& other) const { return x == other.x && y == other.y; }
    void initFromAngle(float angle) {
        x = std::cos(angle);
        y = std::sin(angle);
    }
    void initFromAngle(float angle, float len) {
        x = len * std::cos(angle);
        y = len * std::sin(angle);
    }
};
