// A small enemy that rushes at the ship, faster the closer it gets, and
// sidesteps the shots it feels coming (it is listed with a radius of 160 but
// can be hit only near its centre).
#pragma once

#include "core/Color.h"
#include "core/ReactsToWeaponOrPlayer.h"

class VectorModel;

class Dodger : public ReactsToWeaponOrPlayer {
public:
    // size 1.0: blue, scripted; 2.0: orange, hatched from a seed. The skill
    // comes from Game::secondaryRand(), never from the shared generator.
    Dodger(Coord position, float size, bool appearing);
    ~Dodger() override;

    void update() override;
    void draw() override;
    bool reactToWeapon(PlayerWeapon* weapon) override;
    void reactToCollisionWithPlayerCallback(Entity* player) override;

    // ((r & 0x7FFFFFFF) mod 1000) / 2000.0: 0 to 0.4995.
    static float skillFrom(unsigned int r) { return (float)((r & 0x7FFFFFFFu) % 1000u / 2000.0); }

    Coord velocity;
    Coord drift;
    Color color;
    int frame;
    float scale;
    int life;
    int flashUntil;
    float angle;
    bool appearing;
    float growScale;
    float dodgeSkill;
    float size;
    float hitDistanceSquared;

    static VectorModel* vm;
    static int count;
};
