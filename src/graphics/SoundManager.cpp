// Placeholder sound manager: silent.
#include "graphics/SoundManager.h"

SoundManager* SoundManager::getInstance() {
    static SoundManager* instance = new SoundManager();
    return instance;
}
void SoundManager::playSound(std::string) {}
void SoundManager::playSound(std::string, Coord&) {}
void SoundManager::setRollOffFactor(float) {}
