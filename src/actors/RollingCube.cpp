// Rolling cube: rolls about a pivot edge, rests, speeds up, three bullet hits.
#include "actors/RollingCube.h"

#include <GLES/gl.h>

#include <cmath>

#include "actors/EnemyKit.h"
#include "actors/PlayerWeapon.h"
#include "core/Game.h"
#include "graphics/VectorModel.h"

VectorModel* RollingCube::vm = nullptr;
int RollingCube::count = 0;

static void resetRollingCubeCount() { RollingCube::count = 0; }

// Also installed when the program starts, so that a reset clears the
// counter even in a game that made no object of the class.
static const bool resetRollingCubeCountInstalled = (Entity::addResetHook(resetRollingCubeCount), true);

RollingCube::RollingCube(Coord p, int steps, int restSteps)
    : ReactsToWeaponOrPlayer(p, false, 20), colour(0xFFFF00), rollAngle(45.0f), axis{0.0f, 0.0f}, direction{0.0f, 0.0f},
      rolling(false), pivot{0.0f, 0.0f} {
    Entity::addResetHook(resetRollingCubeCount);
    VectorModel::loadFromLuaScriptInStaticVar("/data/entities/cubeGraphic.lua", &vm);
    nextRollTime = time + 6;
    bool allyThere = EnemyKit::hasAlly();
    int r = Game::rand();
    aimAtAlly = allyThere && r % 2 == 0;
    life = 3;
    flashUntil = 0;
    pause = restSteps;
    rollSteps = steps < 1 ? 1 : steps;
    nextSpeedUpTime = time + 100;
    rollIncrement = (float)(90.0 / rollSteps);
    count++;
}

RollingCube::~RollingCube() { count--; }

void RollingCube::setDirection() {
    Coord t = EnemyKit::targetPosition(aimAtAlly);
    float dx = t.x - position.x, dy = t.y - position.y;
    if (std::fabs(dx) > std::fabs(dy)) {
        if (dx < 0.0f) {
            direction[0] = -1.0f, direction[1] = 0.0f;
            axis[0] = 0.0f, axis[1] = 1.0f;
        } else {
            direction[0] = 1.0f, direction[1] = 0.0f;
            axis[0] = 0.0f, axis[1] = -1.0f;
        }
    } else if (dy < 0.0f) {
        direction[0] = 0.0f, direction[1] = -1.0f;
        axis[0] = -1.0f, axis[1] = 0.0f;
    } else {
        direction[0] = 0.0f, direction[1] = 1.0f;
        axis[0] = 1.0f, axis[1] = 0.0f;
    }
}

void RollingCube::update() {
    if (EnemyKit::passed(nextSpeedUpTime)) {
        nextSpeedUpTime = time + 60;
        if (pause > 0) {
            pause--;
        } else {
            rollSteps--;
            if (rollSteps < 6) {
                rollSteps = 5;
                nextSpeedUpTime = time + 100000;
            }
            rollIncrement = (float)(90 / rollSteps);
        }
    }
    if (rolling) {
        rollAngle += rollIncrement;
        double a = rollAngle * M_PI / 180.0;
        position.x = (float)(pivot[0] - 28.2 * direction[0] * std::cos(a));
        position.y = (float)(pivot[1] - 28.2 * direction[1] * std::cos(a));
        position.z = (float)(28.2 * std::sin(a));
        if (rollAngle >= 135.0f) {
            rollAngle = 45.0f;
            rolling = false;
            nextRollTime = time + pause;
        }
    } else if (EnemyKit::passed(nextRollTime)) {
        rolling = true;
        setDirection();
        pivot[0] = position.x + 20.0f * direction[0];
        pivot[1] = position.y + 20.0f * direction[1];
    }
}

void RollingCube::draw() {
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    glRotatef(-(45.0f + rollAngle), axis[0], axis[1], 0.0f);
    EnemyKit::drawFlat(vm, 0, flashUntil > time ? Color(0.0f, 0.4f, 1.0f, 1.0f) : colour);
    glPopMatrix();
}

bool RollingCube::reactToWeapon(PlayerWeapon* weapon) {
    if (toBeDeleted)
        return false;
    if (kindOf(weapon) == 1) {
        life--;
        flashUntil = time + 4;
        if (life > 0)
            return true;
        Color blue(0.0f, 0.5f, 1.0f);
        EnemyKit::burst(position, colour, blue, 40, 1.0f);
        EnemyKit::flash(position, blue, 3.0f);
    } else {
        EnemyKit::burst(position, colour, colour, 20, 1.0f);
        EnemyKit::flash(position, colour, 1.0f);
    }
    toBeDeleted = true;
    EnemyKit::sound("/data/sounds/rolling_cube.caf", position);
    return true;
}

void RollingCube::reactToCollisionWithPlayerCallback(Entity*) {
    if (toBeDeleted)
        return;
    toBeDeleted = true;
    EnemyKit::message(position, "OUCH", colour);
    EnemyKit::burst(position, colour, colour, 30, 1.0f);
    EnemyKit::flash(position, colour, 2.0f);
    EnemyKit::hitPlayer(1);
}
