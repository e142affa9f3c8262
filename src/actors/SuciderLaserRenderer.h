// The lasers of every live sucider, drawn in one batch of coloured lines.
#pragma once

#include <vector>

class Sucider;

class SuciderLaserRenderer {
public:
    SuciderLaserRenderer();
    virtual ~SuciderLaserRenderer() {}

    void addSucider(Sucider* s);
    // The last sucider takes the removed one's slot.
    void removeSucider(Sucider* s);
    void reset();
    virtual void draw();

    std::vector<Sucider*> suciders;
    // Two vertices per sucider: 2 floats each, and 4 colour floats each.
    std::vector<float> vertices;
    std::vector<float> colours;
};
