// Back-and-forth enemy: appearing pause, straight flight, bounces, kinds.
#include "actors/BackAndForth.h"

#include <GLES/gl.h>

#include <cmath>

#include "actors/EnemyKit.h"
#include "core/CollisionShape.h"
#include "graphics/VectorModel.h"

VectorModel* BackAndForth::vm = nullptr;
int BackAndForth::count = 0;

static void resetBackAndForthCount() { BackAndForth::count = 0; }

// Also installed when the program starts, so that a reset clears the
// counter even in a game that made no object of the class.
static const bool resetBackAndForthCountInstalled = (Entity::addResetHook(resetBackAndForthCount), true);

BackAndForth::BackAndForth(Coord p, float a, int k, float s)
    : ReactsToWeaponOrPlayer(p, true, k == 2 ? 15 : 30), flashUntil(0), speed(s), frame(0), kind(k) {
    Entity::addResetHook(resetBackAndForthCount);
    VectorModel::loadFromLuaScriptInStaticVar("/data/graphics/backAndForthGraphic.lua", &vm);
    switch (kind) {
    case 0:
    case 1: life = 7; break;
    case 3: life = 999999; break;
    default: life = 1; break;
    }
    halfSize = kind == 2;
    setAngle(a);
    appearing = true;
    appearEndTime = time + 40;
    count++;
}

BackAndForth::~BackAndForth() { count--; }

void BackAndForth::setAngle(float a) {
    angle = a;
    drawAngle = a + 90.0f;
    float r = EnemyKit::radians(a);
    velocity = Coord(speed * std::cos(r), speed * std::sin(r), 0.0f);
    lookAhead = Coord(20.0f * std::cos(r), 20.0f * std::sin(r), 0.0f);
}

void BackAndForth::update() {
    if (EnemyKit::appearingStep(appearing, appearEndTime))
        return;
    position.x += velocity.x;
    position.y += velocity.y;
    Coord probe(position.x + lookAhead.x, position.y + lookAhead.y, 0.0f);
    if (CollisionShape* wall = EnemyKit::wallAt(probe))
        setAngle(EnemyKit::bounce(angle, EnemyKit::normalDegrees(wall, probe)));
    if (++frame > 19)
        frame = 0;
}

void BackAndForth::draw() {
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    glRotatef(drawAngle, 0.0f, 0.0f, 1.0f);
    if (kind > 1 && halfSize)
        glScalef(0.5f, 0.5f, 0.5f);
    if (kind == 3)
        EnemyKit::drawFlat(vm, frame, Color(1.0f, 0.5f, 0.0f, 1.0f));
    else
        EnemyKit::drawFrame(vm, frame, appearing || flashUntil > time, Color(1.0f, 1.0f, 1.0f, 1.0f));
    glPopMatrix();
}

bool BackAndForth::reactToWeapon(PlayerWeapon*) {
    if (appearing || toBeDeleted)
        return false;
    if (life > 1) {
        life--;
        flashUntil = time + 2;
        return true;
    }
    EnemyKit::flash(position, Color(0.0f, 1.0f, 0.0f), 2.0f);
    EnemyKit::sound("/data/sounds/player_hit.caf", position);
    EnemyKit::burst(position, 6, 50, 1.4f);
    toBeDeleted = true;
    return true;
}

void BackAndForth::reactToCollisionWithPlayerCallback(Entity*) {
    if (appearing || toBeDeleted)
        return;
    toBeDeleted = true;
    EnemyKit::hitPlayer(1);
    if (kind == 3) {
        Color orange(1.0f, 0.5f, 0.0f);
        EnemyKit::flash(position, orange, 2.0f);
        EnemyKit::burst(position, orange, orange, 80, 2.0f);
        EnemyKit::message(position, "Ouch", orange);
    } else {
        Color green(0.1f, 1.0f, 0.2f);
        EnemyKit::flash(position, green, 2.0f);
        EnemyKit::burst(position, 6, 80, 2.0f);
        EnemyKit::message(position, "Ouch", green);
    }
}
