// Hard disk: absorbs every shot and puts a touching body just outside its rim.
#include "actors/HardDisk.h"

#include "actors/EnemyKit.h"

HardDisk::HardDisk(Coord p, int r) : ReactsToWeaponOrPlayer(p, false, r), hitCount(0) {}

bool HardDisk::reactToWeapon(PlayerWeapon*) {
    hitCount++;
    return true;
}

void HardDisk::reactToCollisionWithPlayerCallback(Entity* player) {
    Coord body = player->getCoord();
    Coord u(body.x - position.x, body.y - position.y, 0.0f);
    // A body right on the centre leaves along +x.
    if (!EnemyKit::unit(u))
        u = Coord(1.0f, 0.0f, 0.0f);
    float r = (float)(radius + 1);
    Coord out(position.x + r * u.x, position.y + r * u.y, 0.0f);
    player->setCoord(out);
}
