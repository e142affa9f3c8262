// A quad marked for wrapping (flag 0x80); it collides exactly as a plain quad.
#pragma once

#include "core/Quad.h"

class QuadTeletransport : public Quad {
public:
    QuadTeletransport(Coord corner1, Coord corner2, Coord corner3, Coord corner4, int flags)
        : Quad(corner1, corner2, corner3, corner4, 0x80), otherSide(nullptr) {}

    void setOtherSide(QuadTeletransport* other) { otherSide = other; }
    void teletransport(Coord* p) override { p->y = 600.0f; }

    QuadTeletransport* otherSide;
};
