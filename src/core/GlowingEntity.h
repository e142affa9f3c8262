// An object registered for a separate glow pass. Nothing makes one yet; the
// registry keeps them in a list with swap-remove.
#pragma once

class GlowingEntity {
public:
    GlowingEntity();
    virtual ~GlowingEntity();
    virtual void draw() = 0;

    int index;
};
