// An enemy in three sizes that turns on the spot to aim along a laser at the
// player (or the ally), warns, then dashes; the medium size bursts into
// rings of small ones as it loses life and when it rams the player.
#pragma once

#include "core/Color.h"
#include "core/ReactsToWeaponOrPlayer.h"

class SuciderLaserRenderer;
class VectorModel;

class Sucider : public ReactsToWeaponOrPlayer {
public:
    // Held in an int, so that any number a caller passes is a value of the
    // type, which the constructor then maps to a size.
    enum Type : int { SMALL = 0, MEDIUM = 1, BIG = 2 };

    // A type outside 0..2 makes a small one. Two draws from the shared
    // generator: the first timer, then the choice of the ally as target.
    Sucider(Coord position, float angle, Sucider::Type type, bool hatched);
    ~Sucider() override;

    void init(float angle, Sucider::Type type);
    int getLifeLeft() { return life; }
    void setAngle(float turnRate);

    void draw() override;
    void update() override;
    bool isVisible() override;
    bool reactToWeapon(PlayerWeapon* weapon) override;
    void reactToCollisionWithPlayerCallback(Entity* player) override;

    int frame;
    Color color1;
    Color color2;
    Color color3;
    float angle;
    float angularVelocity;
    int state;  // 0 waiting, 1 aiming, 2 dashing
    int type;
    int nextEventTime;
    float dashSpeed;
    Coord dashStep;
    int life;
    int flashUntil;
    float baseSpeed;
    float scale;
    int splitThreshold;
    // Aims at the ally while it exists; the ally's address is never kept.
    bool aimAtAlly;
    int laserIndex;

    static VectorModel* vm;
    static SuciderLaserRenderer* laserRenderer;
    static int count;

private:
    void die(bool bigBlast);
};
