// Lane enemy: directions and types, turning at walls, lane counters.
#include "actors/OptimizedBAF.h"

#include <GLES/gl.h>

#include <cstdlib>
#include <cstring>

#include "actors/EnemyKit.h"
#include "actors/Player.h"
#include "actors/PlayerWeapon.h"
#include "graphics/VectorModel.h"

unsigned char OptimizedBAF::count[2 * OptimizedBAF::LANES];
int OptimizedBAF::count2 = 0;
VectorModel* OptimizedBAF::vm1 = nullptr;
VectorModel* OptimizedBAF::vm2 = nullptr;
VectorModel* OptimizedBAF::vm3 = nullptr;

static void resetOptimizedBAFCounts() {
    std::memset(OptimizedBAF::count, 0, sizeof OptimizedBAF::count);
    OptimizedBAF::count2 = 0;
}

// Also installed when the program starts, so that a reset clears the
// counters a script may have written before any object of the class exists.
static const bool resetOptimizedBAFCountsInstalled = (Entity::addResetHook(resetOptimizedBAFCounts), true);

// The lane of a coordinate: |truncated value| mod 4000, formed in 64 bits so
// that no coordinate overflows it.
static int laneOf(float v) {
    long long t;
    if (v != v)
        t = 0;
    else if (v >= 9.0e18f || v <= -9.0e18f)
        t = 0;
    else
        t = (long long)v;
    return (int)(std::llabs(t) % OptimizedBAF::LANES);
}

OptimizedBAF::OptimizedBAF(Coord p, int c)
    : ReactsToWeaponOrPlayer(p, true, 30), frame(0), code(c), turning(true), turnScale(0.0f), flashUntil(0) {
    Entity::addResetHook(resetOptimizedBAFCounts);
    int d = code % 4;
    static const float vx[4] = {4.0f, -4.0f, 0.0f, 0.0f};
    static const float vy[4] = {0.0f, 0.0f, 4.0f, -4.0f};
    static const int bases[4] = {20, 0, 60, 40};
    velocity = Coord(vx[d], vy[d], 0.0f);
    frameBase = bases[d];
    float factor;
    switch (code / 4) {
    case 0:
        VectorModel::loadFromLuaScriptInStaticVar("/data/graphics/bafBlueAndWhiteGraphic.lua", &vm1);
        model = vm1;
        life = 1;
        explosionColour = 2;
        explosionParticles = 10;
        factor = 0.6f;
        break;
    case 1:
        VectorModel::loadFromLuaScriptInStaticVar("/data/graphics/bafBlueGraphic.lua", &vm2);
        model = vm2;
        life = 1;
        explosionColour = 8;
        explosionParticles = 12;
        factor = 1.0f;
        break;
    default:
        VectorModel::loadFromLuaScriptInStaticVar("/data/graphics/bafRedGraphic.lua", &vm3);
        model = vm3;
        life = 10;
        explosionColour = 0;
        explosionParticles = 80;
        factor = 0.8f;
        break;
    }
    velocity.x *= factor;
    velocity.y *= factor;
    laneIndex = movesAlongX() ? laneOf(p.y) : laneOf(p.x);
    addValueToCounter(1);
    count2++;
}

OptimizedBAF::~OptimizedBAF() {
    addValueToCounter(-1);
    count2--;
}

void OptimizedBAF::addValueToCounter(int v) {
    unsigned char& c = movesAlongX() ? count[LANES + laneIndex] : count[laneIndex];
    c = (unsigned char)(c + v);
}

void OptimizedBAF::update() {
    if (++frame > 19)
        frame = 0;
    if (turning) {
        turnScale = (float)(turnScale - 0.1);
        if (turnScale <= -1.0f) {
            turning = false;
            // 0 <-> 20, 40 <-> 60
            frameBase = frameBase % 40 == 0 ? frameBase + 20 : frameBase - 20;
        }
        return;
    }
    position.x += velocity.x;
    position.y += velocity.y;
    if (EnemyKit::wallAt(position)) {
        velocity = Coord(-velocity.x, -velocity.y, 0.0f);
        turning = true;
        turnScale = 1.0f;
    }
}

void OptimizedBAF::draw() {
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    if (turning) {
        if (velocity.x != 0.0f)
            glScalef(turnScale, 1.0f, 1.0f);
        else
            glScalef(1.0f, turnScale, 1.0f);
    }
    EnemyKit::drawFrame(model, frameBase + frame, flashUntil > time, Color(1.0f, 1.0f, 1.0f, 1.0f));
    glPopMatrix();
}

bool OptimizedBAF::reactToWeapon(PlayerWeapon* weapon) {
    if (toBeDeleted)
        return false;
    life--;
    flashUntil = time + 2;
    if (life > 0) {
        if (isRed())
            EnemyKit::flash(position, Color(1.0f, 0.2f, 0.2f), 0.6f);
        EnemyKit::sound("/data/sounds/assault.caf", position);
        return true;
    }
    if (isRed()) {
        EnemyKit::sound("/data/sounds/assault.caf", position);
        EnemyKit::flash(position, Color(1.0f, 0.2f, 0.2f), 2.0f);
    } else {
        EnemyKit::flash(position, Color(0.2f, 0.6f, 1.0f), 1.0f);
    }
    // Only a real ally wall sounds; a contact without a weapon does not.
    if (kindOf(weapon) == 0)
        EnemyKit::sound("/data/sounds/assault.caf", position);
    EnemyKit::burst(position, explosionColour, explosionParticles, 1.0f);
    toBeDeleted = true;
    Player::numberOfKilledEnnemies++;
    return true;
}

void OptimizedBAF::reactToCollisionWithPlayerCallback(Entity*) {
    // Unguarded on purpose: recorded games rely on a killed object still
    // hurting once more in the step it dies.
    EnemyKit::burst(position, explosionColour, 100, 1.0f);
    EnemyKit::flash(position, Color(0.2f, 0.6f, 1.0f), 3.0f);
    EnemyKit::hitPlayer(1);
    toBeDeleted = true;
    EnemyKit::message(position, "OUCH", isRed() ? Color(1.0f, 0.1f, 0.1f) : Color(0.0f, 0.7f, 1.0f));
}
