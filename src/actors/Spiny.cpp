// Spiny: the waiting pause, drift choice, rolling loops and the trail ring.
#include "actors/Spiny.h"

#include <GLES/gl.h>

#include <cmath>

#include "actors/EnemyKit.h"
#include "actors/Player.h"
#include "core/Game.h"
#include "graphics/VectorModel.h"

VectorModel* Spiny::vm = nullptr;
int Spiny::count = 0;

static void resetSpinyCount() { Spiny::count = 0; }

// Also installed when the program starts, so that a reset clears the
// counter even in a game that made no object of the class.
static const bool resetSpinyCountInstalled = (Entity::addResetHook(resetSpinyCount), true);

Spiny::Spiny(Coord p, float a, int k)
    : ReactsToWeaponOrPlayer(p, true, 25), attraction(a), velocity(0.0f, 0.0f, 0.0f), kind(k), trailIndex(0) {
    Entity::addResetHook(resetSpinyCount);
    VectorModel::loadFromLuaScriptInStaticVar("/data/graphics/spinyHeadGraphic.lua", &vm);
    angle = (float)(Game::rand() % 360);
    spinRate = Game::rand() % 2 ? -0.05f : 0.05f;
    nextTurnTime = time - 1;
    life = kind == 0 ? 1 : 5;
    color = kind == 0 ? Color(0.0f, 0.7f, 1.0f) : Color(1.0f, 0.7f, 0.0f);
    waiting = true;
    waitUntil = time + 50;
    for (int i = 0; i < 120; i += 2) {
        trail[i] = p.x;
        trail[i + 1] = p.y;
    }
    Game::rand();
    count++;
}

Spiny::~Spiny() { count--; }

void Spiny::update() {
    if (waiting) {
        position.x += velocity.x;
        position.y += velocity.y;
        if (time == waitUntil)
            waiting = false;
        return;
    }
    if (EnemyKit::passed(nextTurnTime)) {
        nextTurnTime = time + 70 + Game::rand() % 40;
        velocity.x = (float)(Game::rand() % 101 - 50);
        velocity.y = (float)(Game::rand() % 101 - 50);
        velocity.z = 0.0f;
        Coord player = Player::getCoord();
        velocity.x = (velocity.x + attraction * (player.x - position.x)) / 30.0f;
        velocity.y = (velocity.y + attraction * (player.y - position.y)) / 30.0f;
    }
    position.x += velocity.x;
    position.y += velocity.y;
    angle += spinRate;
    position.x += 4.0f * std::cos(angle);
    position.y += 4.0f * std::sin(angle);
    int previous = trailIndex;
    trailIndex = (trailIndex + 4) % 120;
    trail[trailIndex] = trail[previous + 2];
    trail[trailIndex + 1] = trail[previous + 3];
    trail[trailIndex + 2] = position.x;
    trail[trailIndex + 3] = position.y;
}

bool Spiny::reactToWeapon(PlayerWeapon*) {
    life--;
    if (life == 0 && !toBeDeleted) {
        EnemyKit::burst(position, color, color, 20, 1.0f);
        EnemyKit::flash(position, color, 1.0f);
        toBeDeleted = true;
        EnemyKit::sound("/data/sounds/pop.caf", position);
    }
    return true;
}

void Spiny::reactToCollisionWithPlayerCallback(Entity*) {
    if (toBeDeleted)
        return;
    toBeDeleted = true;
    EnemyKit::message(position, "OUCH", color);
    EnemyKit::burst(position, color, color, 30, 1.0f);
    EnemyKit::flash(position, color, 2.0f);
    EnemyKit::hitPlayer(1);
}

void Spiny::draw() {
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    glRotatef(angle * 180.0f / (float)M_PI, 0.0f, 0.0f, 1.0f);
    EnemyKit::drawFlat(vm, 0, time > waitUntil ? color : Color(1.0f, 1.0f, 1.0f, 1.0f));
    glPopMatrix();
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glVertexPointer(2, GL_FLOAT, 0, trail);
    glDrawArrays(GL_LINES, 0, 60);
}
