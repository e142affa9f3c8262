// Enemy bullets: flight, wall bursts, hits on the player, the ram and wrapping.
#include "actors/BadBullet.h"

#include <GLES/gl.h>

#include <cmath>

#include "actors/EnemyKit.h"
#include "actors/PlayerWeapon.h"
#include "core/CollisionShape.h"

BadBullet::BadBullet(Coord p, float a, float s, Color c)
    : ReactsToWeaponOrPlayer(p, false, 25), angle(a), speed(s + s), colour(c) {
    teleportDeadline = time + 160;
    float r = EnemyKit::radians(a);
    velocity = Coord(speed * std::cos(r), speed * std::sin(r), 0.0f);
}

void BadBullet::update() {
    position.x += velocity.x;
    position.y += velocity.y;
    CollisionShape* wall = EnemyKit::wallAt(position);
    if (!wall)
        return;
    wall->projectOnSide(&position);
    toBeDeleted = true;
    EnemyKit::burst(position, colour, colour, 30, 1.0f);
    EnemyKit::flash(position, colour, 2.0f);
}

void BadBullet::teleport(float x, float y) {
    if (teleportDeadline > time) {
        position.x = x;
        position.y = y;
    } else {
        toBeDeleted = true;
    }
}

bool BadBullet::reactToWeapon(PlayerWeapon* weapon) {
    // The delete flag is not looked at: two points of the ram in one step
    // both destroy the bullet, as replays expect.
    if (kindOf(weapon) != 2)
        return false;
    EnemyKit::flash(position, colour, 1.0f);
    toBeDeleted = true;
    return true;
}

void BadBullet::reactToCollisionWithPlayerCallback(Entity*) {
    if (toBeDeleted)
        return;
    toBeDeleted = true;
    EnemyKit::burst(position, colour, colour, 30, 1.0f);
    EnemyKit::message(position, "OUCH", colour);
    EnemyKit::flash(position, colour, 3.0f);
    EnemyKit::hitPlayer(1);
}

void BadBullet::beginDraw() {
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
}
