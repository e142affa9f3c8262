// A rectangle whose edges wrap every entity around to the opposite edge.
#pragma once

#include "core/Entity.h"

class TeletransportingZone : public Entity {
public:
    TeletransportingZone(float xMin, float xMax, float yMin, float yMax);

    void draw() override {}
    void update() override;

    float xMin, xMax, yMin, yMax;
};
