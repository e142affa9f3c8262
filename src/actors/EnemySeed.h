// A small spinning seed the final boss throws: it flies straight until it
// enters a wall and hatches an enemy there; shot or touched, nothing hatches.
#pragma once

#include "core/Color.h"
#include "core/ReactsToWeaponOrPlayer.h"

class VectorModel;

class EnemySeed : public ReactsToWeaponOrPlayer {
public:
    // 0 dodger, 1 small sucider, 2 mother ship, 3 rolling cube; another type
    // looks like type 2 and hatches nothing.
    enum Type : int { DODGER = 0, SUCIDER = 1, MOTHER_SHIP = 2, ROLLING_CUBE = 3 };

    // angle in degrees. No draw from the shared generator.
    EnemySeed(Coord position, float angle, EnemySeed::Type type);

    void update() override;
    void draw() override;
    bool reactToWeapon(PlayerWeapon* weapon) override;
    void reactToCollisionWithPlayerCallback(Entity* player) override;
    void spawnEnemy();

    float angle;
    Coord velocity;
    int type;
    Color color;
    float scale;
    int frame;

    static VectorModel* vm;

private:
    void shatter();
};
