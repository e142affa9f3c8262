// Mirror boss: turning, creeping, reflecting, stages, spiral fire and death.
#include "actors/BossMirror.h"

#include <GLES/gl.h>

#include <cmath>

#include "actors/BossMirrorBullet.h"
#include "actors/EnemyKit.h"
#include "actors/Player.h"
#include "actors/PlayerWeapon.h"
#include "core/PlayContext.h"
#include "graphics/PlayerExplosion.h"
#include "graphics/VectorModel.h"

int BossMirror::count = 0;

static void resetBossMirrorCount() { BossMirror::count = 0; }

static const double PI = 3.141592653589793;

int BossMirror::burstLength(int d, int s) {
    switch (d) {
    case 0: return 150 + 40 * s;
    case 1: return 250 + 50 * s;
    case 2: return 300 + 60 * s;
    default: return 0;
    }
}

BossMirror::BossMirror(Coord p)
    : ReactsToWeaponOrPlayer(p, true, 120), angle(0.0f), angularVelocity(0.0f), color(1.0f, 0.0f, 0.0f, 1.0f),
      flashUntil(0), stage(0), blastsInStage(0), immuneUntil(0), deathTime(0), shrink(1.0f), burstEnd(0) {
    Entity::addResetHook(resetBossMirrorCount);
    mirrorModel = VectorModel::loadFromLuaScript("/data/graphics/bossMirrorGraphic.lua");
    mirrorModel2 = VectorModel::loadFromLuaScript("/data/graphics/bossMirrorGraphic2.lua");
    coreModel = VectorModel::loadFromLuaScript("/data/graphics/sphereGraphic.lua");
    difficulty = PlayContext::getDifficulty();
    static const int periods[] = {20, 13, 8};
    burstPeriod = difficulty >= 0 && difficulty <= 2 ? periods[difficulty] : 10;
    turnAcceleration = difficulty == 0 ? 0.04f : 0.08f;
    count++;
}

BossMirror::~BossMirror() { count--; }

void BossMirror::blastSparks() {
    EnemyKit::burst(position, 0, 60, 1.0f);
    EnemyKit::burst(position, 6, 60, 1.0f);
}

void BossMirror::update() {
    if (deathTime >= time) {
        shrink *= 0.94f;
        if ((deathTime - time) % 10 == 0)
            blastSparks();
        if (time == deathTime)
            toBeDeleted = true;
        return;
    }
    if (time <= burstEnd) {
        int k = burstEnd - time;
        if (k % burstPeriod == 0) {
            new BossMirrorBullet(position, (float)(k / 20.0));
            EnemyKit::sound("/data/sounds/orbit2.caf", position);
        }
    }
    Coord ship = Player::getCoord();
    Coord d(position.x - ship.x, position.y - ship.y, 0.0f);
    double r = angle * PI / 180.0;
    if (std::cos(r) * d.y + std::sin(r) * d.x < 0.0)
        angularVelocity -= turnAcceleration;
    else
        angularVelocity += turnAcceleration;
    angularVelocity *= 0.98f;
    angle += angularVelocity;
    if (angle > 360.0f)
        angle -= 360.0f;
    else if (angle < 0.0f)
        angle += 360.0f;
    if (time < immuneUntil) {
        if ((immuneUntil - time) % 10 == 8)
            blastSparks();
        return;
    }
    // With the ship on the centre there is no direction to creep in.
    Coord n = d;
    if (n.normalize() == 0.0f)
        return;
    if (!EnemyKit::wallAt(Coord(position.x - 123.0f * n.x, position.y - 123.0f * n.y, 0.0f))) {
        position.x -= 0.5f * n.x;
        position.y -= 0.5f * n.y;
    }
}

bool BossMirror::reactToWeapon(PlayerWeapon* weapon) {
    if (time < immuneUntil || time < deathTime || time < burstEnd)
        return true;
    // Only shots that are entities have a position to reflect from: the
    // ram, the ally's link and a null weapon pass untouched.
    Entity* shot = projectileOf(weapon);
    if (!shot)
        return false;
    Coord s = shot->position;
    Coord d(s.x - position.x, s.y - position.y, 0.0f);
    double a = std::atan2(d.y, d.x);
    double a2 = a < 0.0 ? a + 2.0 * PI : a;
    double facing = 2.0 * PI - angle * PI / 180.0;
    double halfArc = (stage + 1) * 20.0 * PI / 180.0;
    double off = std::fabs(a2 - facing);
    if (off < halfArc || off > 2.0 * PI - halfArc) {
        EnemyKit::sound("/data/sounds/orbit2.caf", position);
        double b = directionOf(weapon);
        new BossMirrorBullet(s, (float)(a + PI - (b - a)));
        return true;
    }
    if (d.x * d.x + d.y * d.y >= 3600.0f)
        return false;
    numberOfHits++;
    flashUntil = time + 3;
    if (numberOfHits <= 4)
        return true;
    numberOfHits = 0;
    new PlayerExplosion(position);
    blastsInStage++;
    immuneUntil = time + 40;
    if (blastsInStage != 2)
        return true;
    blastsInStage = 0;
    stage++;
    if (stage > 5) {
        deathTime = time + 50;
        stage = 5;
        return true;
    }
    int length = burstLength(difficulty, stage);
    if (length > 0)
        burstEnd = time + length;
    return true;
}

void BossMirror::reactToCollisionWithPlayerCallback(Entity* player) {
    Coord body = player->getCoord();
    Coord u(body.x - position.x, body.y - position.y, 0.0f);
    if (u.normalize() == 0.0f)
        u = Coord(1.0f, 0.0f, 0.0f);
    Coord rim(position.x + 121.0f * u.x, position.y + 121.0f * u.y, 0.0f);
    player->setCoord(rim);
}

void BossMirror::draw() {
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    glRotatef(-angle, 0.0f, 0.0f, 1.0f);
    bool firing = time < burstEnd;
    bool justHit = !firing && time < flashUntil && immuneUntil < time && deathTime < time;
    if (firing || justHit) {
        Color c = firing ? Color(0.0f, 1.0f, 0.0f, 1.0f) : Color(1.0f, 1.0f, 1.0f, 1.0f);
        EnemyKit::drawFlat(mirrorModel, stage, c);
        EnemyKit::drawFlat(mirrorModel2, stage, c);
    } else {
        if (time < deathTime)
            glScalef(shrink, shrink, shrink);
        mirrorModel->draw(stage);
        mirrorModel2->draw(stage);
        glColor4f(color.r, color.g, color.b, color.a);
    }
    glRotatef(angle * 3.0f, 0.0f, 0.0f, 1.0f);
    glScalef(0.2f, 0.2f, 0.2f);
    coreModel->drawWithoutColor(0);
    glPopMatrix();
}
