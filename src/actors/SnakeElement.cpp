// Snake: the wandering head, the delayed followers, promotion and contact.
//
// The chain is built and walked with loops rather than recursion, so a long
// snake cannot exhaust the stack; the order of registration and effects is
// the one a recursive walk would give.
#include "actors/SnakeElement.h"

#include <GLES/gl.h>

#include <cmath>
#include <vector>

#include "actors/EnemyKit.h"
#include "core/Game.h"
#include "graphics/VectorModel.h"

VectorModel* SnakeElement::vm = nullptr;
int SnakeElement::count = 0;
int SnakeElement::numberOfTimesThePlayerGotHit = 0;

static void resetSnakeCounters() {
    SnakeElement::count = 0;
    SnakeElement::numberOfTimesThePlayerGotHit = 0;
}

// Also installed when the program starts, so that a reset clears the
// counters a script may have written before any object of the class exists.
static const bool resetSnakeCountersInstalled = (Entity::addResetHook(resetSnakeCounters), true);

static const Color kGreen(0.0f, 1.0f, 0.0f);
static const Color kYellow(1.0f, 1.0f, 0.0f);

SnakeElement::SnakeElement(Coord p, float a, int n, SnakeElement* prev, Single)
    : ReactsToWeaponOrPlayer(p, false, 35), isHead(prev == nullptr), previous(prev), next(nullptr), readIndex(1),
      writeIndex(0), heading(a), nextTurnTime(0), turnRate(0.0f), phase(0.0f), life(4), flashUntil(0) {
    Entity::addResetHook(resetSnakeCounters);
    VectorModel::loadFromLuaScriptInStaticVar("/data/graphics/snakeGraphic.lua", &vm);
    count++;
    float degrees = (float)(a * 57.29577951308232);
    drawAngle = degrees;
    for (int i = 0; i < 12; i++) {
        trailPositions[i] = p;
        trailAngles[i] = degrees;
    }
    if (isHead) {
        frame = 0;
        colour = kGreen;
    } else {
        frame = n >= 2 ? 1 : n == 1 ? 2 : 3;
        colour = kYellow;
    }
}

SnakeElement::SnakeElement(Coord p, float a, int n, SnakeElement* prev)
    : SnakeElement(p, a, n > MAX_LENGTH ? MAX_LENGTH : n, prev, Single()) {
    if (n > MAX_LENGTH)
        n = MAX_LENGTH;
    SnakeElement* last = this;
    for (int k = n - 1; k >= 0; k--) {
        SnakeElement* e = new SnakeElement(p, a, k, last, Single());
        last->next = e;
        last = e;
    }
}

SnakeElement::~SnakeElement() {
    // A neighbour never keeps the address of a destroyed element; a
    // follower left behind stands still.
    if (previous && previous->next == this)
        previous->next = nullptr;
    if (next && next->previous == this)
        next->previous = nullptr;
    count--;
}

void SnakeElement::setFuturPosition(Coord& p, float a) {
    if (++readIndex > 11)
        readIndex = 0;
    if (++writeIndex > 11)
        writeIndex = 0;
    trailPositions[writeIndex] = p;
    trailAngles[writeIndex] = a;
}

void SnakeElement::setFirstElement() {
    frame = 0;
    previous = nullptr;
    isHead = true;
    phase = 0.0f;
    collidesWithWalls = true;
    heading = (float)(drawAngle * M_PI / 180.0);
    colour = kGreen;
}

void SnakeElement::update() {
    if (isHead) {
        if (EnemyKit::passed(nextTurnTime)) {
            nextTurnTime = time + 50 + Game::rand() % 100;
            turnRate = (float)(Game::rand() % 7 - 3) * 0.008f;
        }
        heading += turnRate;
        phase = (float)(phase + 0.05);
        float a = heading + std::sin(phase);
        position.x += 5.0f * std::cos(a);
        position.y += 5.0f * std::sin(a);
        drawAngle = (float)(a * 57.29577951308232);
        if (EnemyKit::wallAt(position))
            heading += (float)M_PI;
    } else {
        position = trailPositions[readIndex];
        drawAngle = trailAngles[readIndex];
    }
    if (next)
        next->setFuturPosition(position, drawAngle);
}

void SnakeElement::draw() {
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    glRotatef(drawAngle, 0.0f, 0.0f, 1.0f);
    EnemyKit::drawFlat(vm, frame, flashUntil > time ? Color(1.0f, 1.0f, 1.0f, 1.0f) : colour);
    glPopMatrix();
}

bool SnakeElement::reactToWeapon(PlayerWeapon*) {
    if (toBeDeleted)
        return false;
    EnemyKit::sound("/data/sounds/snake.caf", position);
    if (!isHead)
        return true;
    flashUntil = time + 3;
    if (--life > 0)
        return true;
    EnemyKit::flash(position, colour, 3.0f);
    EnemyKit::burst(position, colour, colour, 50, 1.0f);
    toBeDeleted = true;
    if (next)
        next->setFirstElement();
    return true;
}

void SnakeElement::signalPreviousElement() {
    // Every element from here to the head bursts, the head first (in green).
    std::vector<SnakeElement*> chain;
    for (SnakeElement* e = this; e; e = e->previous)
        chain.push_back(e);
    for (size_t i = chain.size(); i-- > 0;) {
        SnakeElement* e = chain[i];
        const Color& c = e->previous ? kYellow : kGreen;
        EnemyKit::burst(e->position, c, c, 30, 1.0f);
        e->toBeDeleted = true;
    }
}

void SnakeElement::signalNextElement() {
    // From the tail back to here: the tail is only marked, the others burst.
    std::vector<SnakeElement*> chain;
    for (SnakeElement* e = this; e; e = e->next)
        chain.push_back(e);
    for (size_t i = chain.size(); i-- > 0;) {
        SnakeElement* e = chain[i];
        if (e->next)
            EnemyKit::burst(e->position, kYellow, kYellow, 30, 1.0f);
        e->toBeDeleted = true;
    }
}

void SnakeElement::reactToCollisionWithPlayerCallback(Entity*) {
    if (toBeDeleted)
        return;
    EnemyKit::hitPlayer(3);
    Color c = kGreen;
    if (previous) {
        c = kYellow;
        previous->signalPreviousElement();
    }
    if (next)
        next->signalNextElement();
    EnemyKit::message(position, "OUCH x3", c);
    EnemyKit::burst(position, c, c, 30, 1.0f);
    toBeDeleted = true;
    numberOfTimesThePlayerGotHit++;
}
