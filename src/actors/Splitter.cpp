// Splitter: fade-in, breathing orbit, creeping centre, five parts at death.
#include "actors/Splitter.h"

#include <GLES/gl.h>

#include <cmath>

#include "actors/EnemyKit.h"
#include "actors/Player.h"
#include "actors/SplitterPart.h"
#include "core/Game.h"
#include "graphics/VectorModel.h"

int Splitter::count = 0;

static void resetSplitterCount() { Splitter::count = 0; }

// Also installed when the program starts, so that a reset clears the
// counter even in a game that made no object of the class.
static const bool resetSplitterCountInstalled = (Entity::addResetHook(resetSplitterCount), true);

Splitter::Splitter(Coord p)
    : ReactsToWeaponOrPlayer(p, true, 30), centre(p), color(240.0f / 255.0f, 0.0f, 160.0f / 255.0f), life(5),
      appearing(true), appearCountdown(100), flashUntil(0) {
    Entity::addResetHook(resetSplitterCount);
    model = VectorModel::loadFromLuaScript("/data/graphics/splitterGraphic.lua");
    spinAngle = (float)(Game::rand() % 100);
    spinSpeed = spinAngle < 50.0f ? 5.0f : -5.0f;
    orbitAngle = (float)(Game::rand() % 100);
    orbitSpeed = orbitAngle < 50.0f ? 0.02f : -0.02f;
    orbitRadius = (float)(50 + Game::rand() % 100);
    count++;
}

Splitter::~Splitter() { count--; }

Coord Splitter::stepToward(Coord from, Coord goal) {
    Coord step(0.1f * (goal.x - from.x), 0.1f * (goal.y - from.y), 0.0f);
    if (step.getSquareDistance() > 25.0f && EnemyKit::unit(step)) {
        step.x *= 5.0f;
        step.y *= 5.0f;
    }
    return step;
}

void Splitter::creep(Coord& c, float length) {
    Coord player = Player::getCoord();
    Coord u(player.x - c.x, player.y - c.y, 0.0f);
    if (!EnemyKit::unit(u))
        return;
    c.x += length * u.x;
    c.y += length * u.y;
}

void Splitter::update() {
    spinAngle += spinSpeed;
    if (appearing) {
        if (--appearCountdown <= 0)
            appearing = false;
        return;
    }
    orbitAngle += orbitSpeed;
    float r = orbitRadius + 40.0f * std::cos(4.3f * orbitAngle);
    Coord goal(centre.x + r * std::cos(orbitAngle), centre.y + r * std::sin(orbitAngle), 0.0f);
    Coord step = stepToward(position, goal);
    position.x += step.x;
    position.y += step.y;
    creep(centre, 0.2f);
}

bool Splitter::reactToWeapon(PlayerWeapon* weapon) {
    if (!weapon || toBeDeleted || appearing)
        return false;
    life--;
    if (life == 0) {
        EnemyKit::flash(position, color, 3.0f);
        EnemyKit::burst(position, color, color, 80, 2.0f);
        toBeDeleted = true;
        for (int k = 0; k < 5; k++) {
            SplitterPart* part = new SplitterPart(position, k * 1.2566371f);
            if (spinSpeed < 0.0f)
                part->turnRate = -part->turnRate;
        }
        EnemyKit::sound("/data/sounds/tik3.caf", position);
    } else {
        EnemyKit::sound("/data/sounds/tik2.caf", position);
    }
    flashUntil = time + 2;
    return true;
}

void Splitter::reactToCollisionWithPlayerCallback(Entity*) {
    if (toBeDeleted || appearing)
        return;
    if (EnemyKit::hasAlly())
        EnemyKit::hurtPlayer(1, "OUCH", color, position);
    else
        EnemyKit::hurtPlayer(4, "OUCH x4", color, position);
    toBeDeleted = true;
    EnemyKit::burst(position, color, color, 100, 1.0f);
    EnemyKit::flash(position, color, 3.0f);
}

void Splitter::draw() {
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    glRotatef(spinAngle, 0.0f, 0.0f, 1.0f);
    Color white(1.0f, 1.0f, 1.0f, 1.0f);
    if (appearing) {
        float s = 1.02f - 0.01f * appearCountdown;
        glScalef(s, s, s);
        EnemyKit::drawFlat(model, 0, white);
    } else {
        EnemyKit::drawFlat(model, 0, EnemyKit::before(flashUntil) ? white : color);
    }
    glPopMatrix();
}
