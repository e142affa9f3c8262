// Sound effects: positioned and unpositioned plays on a pool of sources.
#pragma once

#include <string>

#include "core/Coord.h"

class SoundManager {
public:
    static SoundManager* getInstance();
    void playSound(std::string name);
    void playSound(std::string name, Coord& position);
    void setRollOffFactor(float factor);

    bool enabled = true;
};
