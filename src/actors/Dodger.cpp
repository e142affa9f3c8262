// Dodger: grows into view, rushes at the ship, sidesteps shots.
#include "actors/Dodger.h"

#include <GLES/gl.h>

#include <cmath>

#include "actors/EnemyKit.h"
#include "actors/Player.h"
#include "actors/PlayerWeapon.h"
#include "actors/TargetWalk.h"
#include "core/Game.h"
#include "graphics/VectorModel.h"

VectorModel* Dodger::vm = nullptr;
int Dodger::count = 0;

static void resetDodgerCount() { Dodger::count = 0; }

Dodger::Dodger(Coord p, float s, bool isAppearing)
    : ReactsToWeaponOrPlayer(p, true, 160), life(1), flashUntil(0), angle(0.0f), appearing(isAppearing),
      growScale(0.0f), size(s) {
    Entity::addResetHook(resetDodgerCount);
    bool small = size == 1.0f;
    color = small ? Color(0.0f, 0.6f, 1.0f, 1.0f) : Color(1.0f, 0.4f, 0.0f, 1.0f);
    frame = small ? 0 : 1;
    scale = size * 0.6f;
    dodgeSkill = skillFrom(Game::secondaryRand());
    hitDistanceSquared = (20.0f * size) * (20.0f * size);
    VectorModel::loadFromLuaScriptInStaticVar("/data/graphics/dodgerGraphic.lua", &vm);
    count++;
}

Dodger::~Dodger() { count--; }

void Dodger::update() {
    if (appearing) {
        growScale += 0.01f;
        if (scale <= growScale)
            appearing = false;
        return;
    }
    if ((Game::rand() & 3) == 0) {
        // Tested at the dodger's position as it moves away from each neighbour.
        forEachTargetAt(position, 0, [this](ReactsToWeaponOrPlayer* t) {
            Coord d(position.x - t->position.x, position.y - t->position.y, 0.0f);
            if (d.x != 0.0f || d.y != 0.0f) {
                float len = d.length();
                position.x += d.x * 2.0f / len;
                position.y += d.y * 2.0f / len;
            }
            return false;
        });
    }
    if (Game::rand() % 3 == 0) {
        Coord ship = Player::getCoord();
        Coord d(ship.x - position.x, ship.y - position.y, 0.0f);
        float len = d.length();
        float k = len >= 200.0f ? 4.0f : (len >= 100.0f ? 7.0f : 10.0f);
        drift = Coord(d.x * k * size / (len + 0.001f), d.y * k * size / (len + 0.001f), 0.0f);
    }
    position.x += velocity.x + drift.x;
    position.y += velocity.y + drift.y;
    velocity.x *= 0.93f;
    velocity.y *= 0.93f;
    angle += 10.0f;
}

bool Dodger::reactToWeapon(PlayerWeapon* weapon) {
    if (toBeDeleted)
        return false;
    int kind = kindOf(weapon);
    if (kind != PlayerWeapon::KIND_BULLET && kind != PlayerWeapon::KIND_FUSION)
        return false;
    // The sidestep needs the shot's position and a direction: without either
    // the dodger neither moves nor can be hit.
    Entity* shot = projectileOf(weapon);
    Coord v = weapon->getV();
    if (!shot || (v.x == 0.0f && v.y == 0.0f))
        return false;
    Coord r(position.x - shot->position.x, position.y - shot->position.y, 0.0f);
    v.rotate();
    v.normalize();
    float k = (dodgeSkill + 0.01f) * size;
    Coord s(v.x * k, v.y * k, 0.0f);
    if (s.x * r.x + s.y * r.y > 0.0f) {
        velocity.x += s.x;
        velocity.y += s.y;
    } else {
        velocity.x -= s.x;
        velocity.y -= s.y;
    }
    if (!(r.x * r.x + r.y * r.y < hitDistanceSquared))
        return false;
    life--;
    flashUntil = time + 3;
    if (life > 0)
        return true;
    EnemyKit::burst(position, color, color, 30, 1.0f);
    EnemyKit::flash(position, color, 2.0f);
    toBeDeleted = true;
    return true;
}

void Dodger::reactToCollisionWithPlayerCallback(Entity* player) {
    Coord body = player->getCoord();
    float dx = body.x - position.x, dy = body.y - position.y;
    if (!(dx * dx + dy * dy < hitDistanceSquared))
        return;
    toBeDeleted = true;
    EnemyKit::message(position, "YIKES", color);
    EnemyKit::burst(position, color, color, 30, 1.0f);
    EnemyKit::flash(position, color, 2.0f);
    EnemyKit::hitPlayer(1);
}

void Dodger::draw() {
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    if (appearing) {
        glRotatef((scale - growScale) * 500.0f, 0.0f, 0.0f, 1.0f);
        glScalef(growScale, growScale, growScale);
        EnemyKit::drawFlat(vm, frame, Color(1.0f, 1.0f, 1.0f, 1.0f));
    } else {
        glScalef(scale, scale, scale);
        glRotatef(angle, 0.6f, -0.5f, 0.3f);
        bool flashing = EnemyKit::before(flashUntil);
        EnemyKit::drawFlat(vm, frame, flashing ? Color(1.0f, 0.1f, 0.0f, 1.0f) : color);
    }
    glPopMatrix();
}
