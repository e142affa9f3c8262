// A gun of the player: turns the shoot stick into player projectiles.
#pragma once

#include <string>

#include "actors/Bullet.h"

class Player;
class Joysticks;

class PlayerGun {
public:
    // Whether the gun plays sounds is fixed here, for the whole game.
    explicit PlayerGun(Player* player);
    virtual ~PlayerGun() {}

    virtual void shoot() = 0;

    Player* player;
    bool soundsOn;

protected:
    void playSound(const char* name);
    // A Bullet of the player's bullet type at an angle in degrees.
    Bullet* fire(Coord origin, float speed, float degrees, Bullet::BULLET_SHAPES shape);
    static Joysticks* sticks();
    // The shoot stick is held (deflection above 0.1).
    static bool shootStickHeld();
    static float toRadians(float degrees);
};
