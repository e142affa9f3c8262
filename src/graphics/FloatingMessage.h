// A short text shown where something happened; it rises toward the camera
// and fades out over 100 steps.
#pragma once

#include <string>

#include "core/Color.h"
#include "core/Entity.h"

class FloatingMessage : public Entity {
public:
    FloatingMessage(Coord position, std::string text, Color colour);

    void draw() override;
    void update() override;

    std::string text;
    int expiry;
    float alpha;
    Color colour;
};
