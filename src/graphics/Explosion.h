// Particle bursts.
#pragma once

class Explosion {
public:
    static void calcTheVertexes(bool valentine);
    static bool isActivated;
};
