// The two sticks of one simulation step in four bytes: the unit of replays.
#pragma once

#include <cstdint>

// Per stick one word: angle + 200 in bits 0 to 8 (whole degrees, -180 to 180),
// strength (0 to 65) in bits 9 to 15.
struct SerializedJoystickData {
    uint16_t move = 0;
    uint16_t shoot = 0;

    // Wraps the angle into -180..180 and clamps the strength to 0..65 first,
    // so that no value spills into the other field.
    static uint16_t pack(float angle, float norm);
    static void unpack(uint16_t word, float* angle, float* norm) {
        *angle = (float)((int)(word & 0x1ff) - 200);
        *norm = (float)(word >> 9);
    }

    void setMoveAngleAndNorm(float angle, float norm) { move = pack(angle, norm); }
    void setShootAngleAndNorm(float angle, float norm) { shoot = pack(angle, norm); }
    void getMoveAngleAndNorm(float* angle, float* norm) const { unpack(move, angle, norm); }
    void getShootAngleAndNorm(float* angle, float* norm) const { unpack(shoot, angle, norm); }
};
