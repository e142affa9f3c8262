// Placeholder until the effect entities land.
#include "graphics/Explosion.h"

bool Explosion::isActivated = true;
void Explosion::calcTheVertexes(bool) {}
