// Planner: path planning around walls, walking, and the bursts along the path.
#include "actors/Planner.h"

#include <GLES/gl.h>

#include <cmath>

#include "actors/EnemyKit.h"
#include "core/Game.h"
#include "graphics/VectorModel.h"

VectorModel* Planner::vm = nullptr;
int Planner::count = 0;

static void resetPlannerCount() { Planner::count = 0; }

// Also installed when the program starts, so that a reset clears the
// counter even in a game that made no object of the class.
static const bool resetPlannerCountInstalled = (Entity::addResetHook(resetPlannerCount), true);

static Coord compassDirection(float degrees) {
    Coord d;
    d.initFromAngle((float)(degrees * M_PI / 180.0));
    return d;
}

Planner::Planner(Coord p)
    : ReactsToWeaponOrPlayer(p, false, 20), current(0), stepsLeft(SEGMENT_LENGTH), colour(0xFF1493) {
    Entity::addResetHook(resetPlannerCount);
    VectorModel::loadFromLuaScriptInStaticVar("/data/graphics/spinyHeadGraphic.lua", &vm);
    colour.a = 0.7f;
    for (int k = 0; k < SEGMENTS; k++) {
        segments[4 * k] = segments[4 * k + 2] = p.x;
        segments[4 * k + 1] = segments[4 * k + 3] = p.y;
        angles[k] = 0.0f;
    }
    startTime = time + 50;
    count++;
}

Planner::~Planner() { count--; }

Coord Planner::getRandomDirection(float* angle) {
    *angle = (float)((Game::rand() % 8) * 45);
    return compassDirection(*angle);
}

bool Planner::isDirectionValid(Coord start, Coord direction) {
    for (int i = 0; i <= SEGMENT_LENGTH; i++) {
        Coord p(start.x + i * direction.x, start.y + i * direction.y, 0.0f);
        if (EnemyKit::wallAt(p))
            return false;
    }
    return true;
}

void Planner::findValidDirection(Coord start, Coord* direction, float* angle) {
    // Boxed in on all eight sides the random search would never end.
    bool anyFree = false;
    for (int k = 0; k < 8 && !anyFree; k++)
        anyFree = isDirectionValid(start, compassDirection(45.0f * k));
    if (!anyFree) {
        *direction = Coord(0.0f, 0.0f, 0.0f);
        return;
    }
    do {
        *direction = getRandomDirection(angle);
    } while (!isDirectionValid(start, *direction));
}

void Planner::initPlanning() {
    Coord p(position.x, position.y, 0.0f);
    for (int k = 0; k < SEGMENTS; k++) {
        findValidDirection(p, &directions[k], &angles[k]);
        segments[4 * k] = p.x;
        segments[4 * k + 1] = p.y;
        p.x += SEGMENT_LENGTH * directions[k].x;
        p.y += SEGMENT_LENGTH * directions[k].y;
        segments[4 * k + 2] = p.x;
        segments[4 * k + 3] = p.y;
    }
}

void Planner::update() {
    if (time < startTime)
        return;
    if (time == startTime) {
        initPlanning();
        return;
    }
    position.x += directions[current].x;
    position.y += directions[current].y;
    stepsLeft--;
    segments[4 * current] = position.x;
    segments[4 * current + 1] = position.y;
    if (stepsLeft > 0)
        return;
    stepsLeft = SEGMENT_LENGTH;
    position.x = segments[4 * current + 2];
    position.y = segments[4 * current + 3];
    int newest = current == 0 ? SEGMENTS - 1 : current - 1;
    Coord start(segments[4 * newest + 2], segments[4 * newest + 3], 0.0f);
    findValidDirection(start, &directions[current], &angles[current]);
    segments[4 * current] = start.x;
    segments[4 * current + 1] = start.y;
    segments[4 * current + 2] = start.x + SEGMENT_LENGTH * directions[current].x;
    segments[4 * current + 3] = start.y + SEGMENT_LENGTH * directions[current].y;
    current = (current + 1) % SEGMENTS;
}

void Planner::createSegmentExplostions() {
    Coord previous(segments[0], segments[1], 0.0f);
    EnemyKit::burst(previous, colour, 10, 1.0f);
    for (int i = 0; i < SEGMENTS; i++) {
        Coord end(segments[4 * i + 2], segments[4 * i + 3], 0.0f);
        EnemyKit::burst(Coord((previous.x + end.x) / 2.0f, (previous.y + end.y) / 2.0f, 0.0f), colour, 10, 1.0f);
        if (i < SEGMENTS - 1)
            EnemyKit::burst(end, colour, 10, 1.0f);
        previous = end;
    }
}

bool Planner::reactToWeapon(PlayerWeapon*) {
    if (toBeDeleted)
        return false;
    EnemyKit::burst(position, colour, 30, 1.0f);
    EnemyKit::flash(position, colour, 2.0f);
    createSegmentExplostions();
    toBeDeleted = true;
    EnemyKit::sound("/data/sounds/planners.caf", position);
    return true;
}

void Planner::reactToCollisionWithPlayerCallback(Entity*) {
    if (toBeDeleted)
        return;
    toBeDeleted = true;
    EnemyKit::message(position, "OUCH", colour);
    EnemyKit::burst(position, colour, 40, 1.0f);
    EnemyKit::flash(position, colour, 2.0f);
    createSegmentExplostions();
    EnemyKit::hitPlayer(1);
}

void Planner::draw() {
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    glRotatef(angles[current], 0.0f, 0.0f, 1.0f);
    EnemyKit::drawFlat(vm, 0, colour);
    glPopMatrix();
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glVertexPointer(2, GL_FLOAT, 0, segments);
    glDrawArrays(GL_LINES, 0, 2 * SEGMENTS);
}
