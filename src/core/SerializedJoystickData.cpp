// Packing of one stick into its 16-bit word.
#include "core/SerializedJoystickData.h"

#include <cmath>

uint16_t SerializedJoystickData::pack(float angle, float norm) {
    if (!std::isfinite(angle))
        angle = 0.0f;
    if (angle > 180.0f || angle < -180.0f) {
        angle = std::fmod(angle, 360.0f);
        if (angle > 180.0f)
            angle -= 360.0f;
        else if (angle < -180.0f)
            angle += 360.0f;
    }
    if (!(norm > 0.0f))
        norm = 0.0f;
    else if (norm > 65.0f)
        norm = 65.0f;
    return (uint16_t)((unsigned)(angle + 200) | ((unsigned)norm & 255) << 9);
}
