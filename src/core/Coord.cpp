// Normalisation of Coord, exact and with the fast inverse square root.
#include "core/Coord.h"

float Coord::normalize() {
    float len = std::sqrt(x * x + y * y);
    // The zero vector has no direction: it stays (0, 0) instead of turning into NaN.
    if (len == 0.0f)
        return 0.0f;
    float inverse = 1.0f / len;
    x *= inverse;
    y *= inverse;
    return len;
}

void Coord::fastNormalize() {
    float d = x * x + y * y;
    if (d == 0.0f)
        return;
    int32_t bits;
    memcpy(&bits, &d, sizeof bits);
    int32_t i = 0x5F375A86 - (bits >> 1);
    float f;
    memcpy(&f, &i, sizeof f);
    float r = f * (1.5f - f * (0.5f * d * f));
    x *= r;
    y *= r;
}
