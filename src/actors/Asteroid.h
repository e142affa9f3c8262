// A drifting rock in three sizes; any hit destroys it and a size 0 or 1 rock
// splits into four of the next size.
#pragma once

#include "core/ReactsToWeaponOrPlayer.h"

class VectorModel;

class Asteroid : public ReactsToWeaponOrPlayer {
public:
    // size 0 (largest, radius 80), 1 (40) or 2 (20). Two draws from the
    // shared generator (the frame, the direction), after those of its
    // graphic script when the model is rebuilt.
    Asteroid(Coord position, int size);
    ~Asteroid() override;

    void update() override;
    void draw() override;
    bool reactToWeapon(PlayerWeapon* weapon) override;
    void reactToCollisionWithPlayerCallback(Entity* player) override;
    void spawnNewAsteroids();

    Coord velocity;
    int frame;
    int size;
    float scale;

    static VectorModel* vm;
    static int count;
    // Rocks destroyed since the last world reset.
    static int destroyed;
};
