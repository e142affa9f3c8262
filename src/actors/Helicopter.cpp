// Helicopter: hovering, sideways drift, wall clearance and three-shot bursts.
#include "actors/Helicopter.h"

#include <GLES/gl.h>

#include <cmath>

#include "actors/BadBulletHelicopter.h"
#include "actors/EnemyKit.h"
#include "actors/PlayerWeapon.h"
#include "core/CollisionShape.h"
#include "core/Game.h"
#include "graphics/VectorModel.h"

int Helicopter::count = 0;

static void resetHelicopterCount() { Helicopter::count = 0; }

Helicopter::Helicopter(Coord p) : ReactsToWeaponOrPlayer(p, false, 30) {
    Entity::addResetHook(resetHelicopterCount);
    bodyModel = VectorModel::loadFromLuaScript("/data/graphics/helicopterGraphic.lua");
    propellerModel = VectorModel::loadFromLuaScript("/data/graphics/propellerGraphic.lua");
    side = (Game::rand() & 1) != 0;
    aimAtAlly = EnemyKit::hasAlly();
    if (aimAtAlly && Game::rand() % 2 == 1)
        aimAtAlly = false;
    float d = (float)(180 + Game::rand() % 140);
    keepDistanceSquared = d * d;
    sideSpeed = (float)((300 + Game::rand() % 200) / 100.0);
    nextShotTime = time + 100 + Game::rand() % 200;
    angle = propellerAngle = 0.0f;
    flashUntil = 0;
    shotsLeftInBurst = 2;
    count++;
}

Helicopter::~Helicopter() { count--; }

void Helicopter::update() {
    Coord t = EnemyKit::targetPosition(aimAtAlly);
    Coord d(t.x - position.x, t.y - position.y, 0.0f);
    angle = (float)(std::atan2(d.y, d.x) * 180.0f / 3.1415927f);
    propellerAngle += 14.0f;
    float q = d.x * d.x + d.y * d.y;
    // On its target N stays (0, 0): no drift and no distance move.
    Coord n = d;
    n.normalize();
    Coord s = n;
    s.rotate();
    s.x *= sideSpeed;
    s.y *= sideSpeed;

    if (EnemyKit::passed(nextShotTime)) {
        new BadBulletHelicopter(position, angle);
        if (shotsLeftInBurst < 1) {
            shotsLeftInBurst = 2;
            nextShotTime += 150;
        } else {
            shotsLeftInBurst--;
            nextShotTime += 8;
        }
    }

    float sign = side ? 1.0f : -1.0f;
    position.x += sign * s.x;
    position.y += sign * s.y;
    float step = q < keepDistanceSquared ? -2.0f : 2.0f;
    position.x += step * n.x;
    position.y += step * n.y;

    Coord f(30.0f * n.x, 30.0f * n.y, 0.0f);
    Coord l(3.0f * s.x * sign, 3.0f * s.y * sign, 0.0f);
    Coord ahead1(position.x + l.x + f.x, position.y + l.y + f.y, 0.0f);
    Coord ahead2(position.x + l.x - f.x, position.y + l.y - f.y, 0.0f);
    if (EnemyKit::wallAt(ahead1) || EnemyKit::wallAt(ahead2))
        side = !side;

    Coord front(position.x + f.x, position.y + f.y, 0.0f);
    if (CollisionShape* wall = EnemyKit::wallAt(front)) {
        wall->projectOnSide(&front);
        position = Coord(front.x - f.x, front.y - f.y, 0.0f);
    }
    Coord back(position.x - f.x, position.y - f.y, 0.0f);
    if (CollisionShape* wall = EnemyKit::wallAt(back)) {
        wall->projectOnSide(&back);
        position = Coord(back.x + f.x, back.y + f.y, 0.0f);
    }
}

bool Helicopter::reactToWeapon(PlayerWeapon* weapon) {
    numberOfHits++;
    flashUntil = time + 2;
    if (kindOf(weapon) == PlayerWeapon::KIND_FUSION)
        numberOfHits += 5;
    if (numberOfHits < 5) {
        EnemyKit::sound("/data/sounds/hell1.caf", position);
        return true;
    }
    Color c(95.0f / 255.0f, 189.0f / 255.0f, 1.0f);
    EnemyKit::burst(position, c, Color(1.0f, 0.0f, 0.0f), 120, 2.0f);
    EnemyKit::flash(position, c, 3.0f);
    EnemyKit::sound("/data/sounds/hell2.caf", position);
    toBeDeleted = true;
    return true;
}

void Helicopter::reactToCollisionWithPlayerCallback(Entity*) {}

void Helicopter::draw() {
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    glRotatef(angle, 0.0f, 0.0f, 1.0f);
    glScalef(0.6f, 0.6f, 0.6f);
    Color white(1.0f, 1.0f, 1.0f, 1.0f), red(1.0f, 0.0f, 0.0f, 1.0f);
    bool flashing = EnemyKit::before(flashUntil);
    bool warning = !flashing && nextShotTime - time < 50;
    EnemyKit::drawFrame(bodyModel, 0, flashing || warning, flashing ? white : red);
    glRotatef(propellerAngle, 0.0f, 0.0f, 1.0f);
    EnemyKit::drawFrame(propellerModel, 0, warning, red);
    glPopMatrix();
}
