// Splitter parts: orbit, slow creeping centre, two hits.
#include "actors/SplitterPart.h"

#include <GLES/gl.h>

#include <cmath>

#include "actors/EnemyKit.h"
#include "actors/Splitter.h"
#include "core/Game.h"
#include "graphics/VectorModel.h"

int SplitterPart::count = 0;
VectorModel* SplitterPart::vm = nullptr;

static void resetSplitterPartCount() { SplitterPart::count = 0; }

// Also installed when the program starts, so that a reset clears the
// counter even in a game that made no object of the class.
static const bool resetSplitterPartCountInstalled = (Entity::addResetHook(resetSplitterPartCount), true);

SplitterPart::SplitterPart(Coord p, float a)
    : ReactsToWeaponOrPlayer(p, true, 20), turnRate(0.04f), color(240.0f / 255.0f, 0.0f, 160.0f / 255.0f), life(2),
      angle(a) {
    Entity::addResetHook(resetSplitterPartCount);
    VectorModel::loadFromLuaScriptInStaticVar("/data/graphics/splitterGraphic.lua", &vm);
    centre = Coord(p.x + 100.0f * std::cos(a), p.y + 100.0f * std::sin(a), 0.0f);
    homingCounter = Game::rand() % 7;
    count++;
}

SplitterPart::~SplitterPart() { count--; }

void SplitterPart::update() {
    angle += turnRate;
    Coord goal(centre.x + 70.0f * std::cos(angle), centre.y + 70.0f * std::sin(angle), 0.0f);
    Coord step = Splitter::stepToward(position, goal);
    position.x += step.x;
    position.y += step.y;
    if (homingCounter >= 6) {
        Splitter::creep(centre, 1.0f);
        homingCounter = 1;
    } else {
        homingCounter++;
    }
}

bool SplitterPart::reactToWeapon(PlayerWeapon* weapon) {
    if (!weapon || toBeDeleted)
        return false;
    if (--life == 0) {
        EnemyKit::flash(position, color, 1.0f);
        EnemyKit::burst(position, color, color, 20, 1.0f);
        toBeDeleted = true;
        EnemyKit::sound("/data/sounds/tik2.caf", position);
    }
    return true;
}

void SplitterPart::reactToCollisionWithPlayerCallback(Entity*) {
    if (toBeDeleted)
        return;
    EnemyKit::hurtPlayer(1, "OUCH", color, position);
    toBeDeleted = true;
    EnemyKit::burst(position, color, color, 100, 1.0f);
    EnemyKit::flash(position, color, 3.0f);
}

void SplitterPart::draw() {
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    glRotatef(angle * 57.29577951308232f, 0.0f, 0.0f, 1.0f);
    EnemyKit::drawFlat(vm, 1, color);
    glPopMatrix();
}
