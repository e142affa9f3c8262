// Tilt input: no tilt sensor here, so the angle and strength stay 0.
#pragma once

class Accelerometer {
public:
    Accelerometer() {}
    ~Accelerometer() {}
    void pause() {}
    void unPause() {}
    float getAngle() { return 0.0f; }
    float getNorm() { return 0.0f; }
};
