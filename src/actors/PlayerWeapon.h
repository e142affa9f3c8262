// What the player side hands to a target that it hits: the weapon kind, the
// colour family and the velocity. Targets read it only through the readers
// below, which accept the null weapon that one enemy projectile passes.
#pragma once

#include "core/Color.h"
#include "core/Coord.h"

class Entity;

class PlayerWeapon {
public:
    // Weapon kinds.
    enum {
        KIND_LINK = 0,    // the link between the player and the ally
        KIND_BULLET = 1,  // Bullet, SpiralBullet
        KIND_RAM = 2,     // the ram in front of the ship
        KIND_FUSION = 3,  // FusionBullet2, FusionBullet
    };

    explicit PlayerWeapon(int kind) : velocity(), colorType(Color::COLOR_TYPE_NONE), canBeCastIn(kind) {}
    virtual ~PlayerWeapon() {}

    Coord getV() const { return velocity; }
    void setV(Coord v) { velocity = v; }
    Color::COLOR_TYPE getColorType() const { return colorType; }
    void setColorType(Color::COLOR_TYPE t) { colorType = t; }
    int getCanBeCastIn() const { return canBeCastIn; }

    Coord velocity;
    Color::COLOR_TYPE colorType;
    int canBeCastIn;
};

// The weapon kind; -1 for no weapon.
inline int kindOf(const PlayerWeapon* w) { return w ? w->canBeCastIn : -1; }

// The colour family; -1 (none) for no weapon.
inline int colourTypeOf(const PlayerWeapon* w) { return w ? (int)w->colorType : (int)Color::COLOR_TYPE_NONE; }

// The velocity; 0, 0, 0 for no weapon.
inline Coord velocityOf(const PlayerWeapon* w) { return w ? w->velocity : Coord(); }

// The projectile entity that carries the weapon; null for no weapon and for
// the link and the ram, which are not entities.
Entity* projectileOf(PlayerWeapon* w);
