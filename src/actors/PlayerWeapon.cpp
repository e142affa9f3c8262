// The checked cross-cast from a weapon to the projectile that carries it.
#include "actors/PlayerWeapon.h"

#include "core/Entity.h"

Entity* projectileOf(PlayerWeapon* w) { return w ? dynamic_cast<Entity*>(w) : nullptr; }
