// The module's enemies, level devices and enemy bullets, and the counters
// and queries of their classes.
#include <cmath>

#include "actors/Anathema.h"
#include "actors/Asteroid.h"
#include "actors/BackAndForth.h"
#include "actors/BadBulletLua.h"
#include "actors/Bomb.h"
#include "actors/BossMirror.h"
#include "actors/Brownian.h"
#include "actors/CirculatingEnemy.h"
#include "actors/Dodger.h"
#include "actors/Fan.h"
#include "actors/HardDisk.h"
#include "actors/Helicopter.h"
#include "actors/MotherShip.h"
#include "actors/MulticolorBAF.h"
#include "actors/OptimizedBAF.h"
#include "actors/Planner.h"
#include "actors/RollingCube.h"
#include "actors/SnakeElement.h"
#include "actors/Spiny.h"
#include "actors/Splitter.h"
#include "actors/SplitterPart.h"
#include "actors/Spring.h"
#include "actors/Sucider.h"
#include "actors/Teleporter.h"
#include "actors/TeletransportingZone.h"
#include "actors/TutorialTarget.h"
#include "levelplay/ScriptHandles.h"
#include "levelplay/ScriptValues.h"
#include "levelplay/lzorbixlib.h"

static int pushNew(lua_State* L, Entity* e) {
    ScriptHandles::pushEntity(L, e);
    return 1;
}

static int pushNull(lua_State* L) {
    ScriptHandles::pushNull(L);
    return 1;
}

// --- Creators ---

int zorbix_newSpiny(lua_State* L) {
    bool withAttraction = lua_gettop(L) == 3;
    float x = floatArg(L, 1), y = floatArg(L, 2);
    float attraction = withAttraction ? fraction255Arg(L, 3) : 0.0f;
    return pushNew(L, new Spiny(Coord(x, y, 0.0f), attraction, 0));
}

int zorbix_newBossMirror(lua_State* L) {
    float x = floatArg(L, 1), y = floatArg(L, 2);
    return pushNew(L, new BossMirror(Coord(x, y, 0.0f)));
}

int zorbix_newMotherShip(lua_State* L) {
    int n = lua_gettop(L);
    if (n != 3 && n != 4)
        return pushNull(L);
    float x = floatArg(L, 1), y = floatArg(L, 2), spacing = floatArg(L, 3);
    float start = n == 4 ? floatArg(L, 4) : -1.0f;
    if (!MotherShip::acceptsSpacing(spacing))
        return pushNull(L);
    return pushNew(L, new MotherShip(Coord(x, y, 0.0f), spacing, start, false));
}

int zorbix_newOptimizedBAF(lua_State* L) {
    float x = floatArg(L, 1), y = floatArg(L, 2);
    int code = intArg(L, 3);
    if (!OptimizedBAF::acceptsCode(code))
        return pushNull(L);
    return pushNew(L, new OptimizedBAF(Coord(x, y, 0.0f), code));
}

int zorbix_newBackAndForth(lua_State* L) {
    bool withoutKind = lua_gettop(L) == 3;
    float x = floatArg(L, 1), y = floatArg(L, 2), angle = floatArg(L, 3);
    int kind = withoutKind ? 0 : intArg(L, 4);
    return pushNew(L, new BackAndForth(Coord(x, y, 0.0f), angle, kind, 2.0f));
}

int zorbix_newMultiColorBackAndForth(lua_State* L) {
    bool defaultSpeed = lua_gettop(L) == 6;
    float x = floatArg(L, 1), y = floatArg(L, 2), angle = floatArg(L, 3);
    bool red = boolArg(L, 4), green = boolArg(L, 5), blue = boolArg(L, 6);
    // This speed is divided in single precision, unlike the other fractions.
    float speed = defaultSpeed ? 2.0f : (float)luaL_checknumber(L, 7) / 255.0f;
    return pushNew(L, new MulticolorBAF(Coord(x, y, 0.0f), angle, red, green, blue, speed));
}

// Any type is accepted: the Brownian gives those outside 0..4 no colour of
// its own (no bullet colour matches them).
int zorbix_newBrownian(lua_State* L) {
    float x = floatArg(L, 1), y = floatArg(L, 2);
    int type = intArg(L, 3);
    return pushNew(L, new Brownian(Coord(x, y, 0.0f), type));
}

int zorbix_newTutorialTarget(lua_State* L) {
    float x = floatArg(L, 1), y = floatArg(L, 2);
    return pushNew(L, new TutorialTarget(Coord(x, y, 0.0f)));
}

// A radius of 0 is the enemy's own case: it sits at its centre.
int zorbix_newCirculatingEnemy(lua_State* L) {
    float x = floatArg(L, 1), y = floatArg(L, 2);
    float radius = fraction255Arg(L, 3), angle = floatArg(L, 4);
    int mode = intArg(L, 5);
    return pushNew(L, new CirculatingEnemy(Coord(x, y, 0.0f), radius, angle, mode));
}

int zorbix_newSnake(lua_State* L) {
    float x = floatArg(L, 1), y = floatArg(L, 2);
    float angle = (float)(luaL_checknumber(L, 3) * M_PI / 180.0);
    int length = intArg(L, 4);
    return pushNew(L, new SnakeElement(Coord(x, y, 0.0f), angle, length, nullptr));
}

int zorbix_newFan(lua_State* L) {
    float x = floatArg(L, 1), y = floatArg(L, 2);
    return pushNew(L, new Fan(Coord(x, y, 0.0f)));
}

int zorbix_newHelicopter(lua_State* L) {
    float x = floatArg(L, 1), y = floatArg(L, 2);
    return pushNew(L, new Helicopter(Coord(x, y, 0.0f)));
}

int zorbix_newSplitter(lua_State* L) {
    float x = floatArg(L, 1), y = floatArg(L, 2);
    return pushNew(L, new Splitter(Coord(x, y, 0.0f)));
}

int zorbix_newPlanner(lua_State* L) {
    float x = floatArg(L, 1), y = floatArg(L, 2);
    return pushNew(L, new Planner(Coord(x, y, 0.0f)));
}

int zorbix_newSpring(lua_State* L) {
    int n = lua_gettop(L);
    if (n < 2 || n > 4)
        return pushNull(L);
    float x = floatArg(L, 1), y = floatArg(L, 2);
    int type = n >= 3 ? intArg(L, 3) : 0;
    float strength = n == 4 ? fraction255Arg(L, 4) : 1.0f;
    if (!Spring::acceptsStrength(strength))
        return pushNull(L);
    // Any type but the rope is the band (the cast stays within the type).
    Spring::Type t = type == 1 ? Spring::ROPE : Spring::BAND;
    return pushNew(L, new Spring(Coord(x, y, 0.0f), t, strength));
}

int zorbix_newHardDisk(lua_State* L) {
    float x = floatArg(L, 1), y = floatArg(L, 2);
    int radius = intArg(L, 3);
    return pushNew(L, new HardDisk(Coord(x, y, 0.0f), radius));
}

int zorbix_newBadBullet(lua_State* L) {
    bool tagged = lua_gettop(L) == 8;
    float x = floatArg(L, 1), y = floatArg(L, 2), angle = floatArg(L, 3);
    float speed = fraction255Arg(L, 4);
    float r = fraction255Arg(L, 5), g = fraction255Arg(L, 6), b = fraction255Arg(L, 7);
    int tag = tagged ? intArg(L, 8) : 0;
    Color colour(r, g, b, 1.0f);
    return pushNew(L, new BadBulletLua(Coord(x, y, 0.0f), angle, speed, colour, tag));
}

int zorbix_newRollingCube(lua_State* L) {
    int n = lua_gettop(L);
    float x = floatArg(L, 1), y = floatArg(L, 2);
    int roll = n >= 3 ? intArg(L, 3) : 25;
    int pause = n >= 4 ? intArg(L, 4) : 6;
    return pushNew(L, new RollingCube(Coord(x, y, 0.0f), roll, pause));
}

int zorbix_newSucider(lua_State* L) {
    int n = lua_gettop(L);
    if (n < 2 || n > 4)
        return pushNull(L);
    float x = floatArg(L, 1), y = floatArg(L, 2);
    float turn = n >= 3 ? fraction255Arg(L, 3) : 0.0f;
    int type = n == 4 ? intArg(L, 4) : 0;
    // An unknown type is the small one (the cast stays within the type).
    Sucider::Type t = type >= Sucider::SMALL && type <= Sucider::BIG ? (Sucider::Type)type : Sucider::SMALL;
    return pushNew(L, new Sucider(Coord(x, y, 0.0f), turn, t, false));
}

int zorbix_newDodger(lua_State* L) {
    float x = floatArg(L, 1), y = floatArg(L, 2);
    return pushNew(L, new Dodger(Coord(x, y, 0.0f), 1.0f, true));
}

int zorbix_newBomb(lua_State* L) {
    float x = floatArg(L, 1), y = floatArg(L, 2);
    return pushNew(L, new Bomb(Coord(x, y, 0.0f)));
}

int zorbix_newTeleportingZone(lua_State* L) {
    if (lua_gettop(L) != 4)
        return 0;
    float a = floatArg(L, 1), b = floatArg(L, 2), c = floatArg(L, 3), d = floatArg(L, 4);
    new TeletransportingZone(a, b, c, d);
    return 0;
}

// Asteroids start at size 0, the largest.
int zorbix_newAsteroid(lua_State* L) {
    float x = floatArg(L, 1), y = floatArg(L, 2);
    return pushNew(L, new Asteroid(Coord(x, y, 0.0f), 0));
}

// A third argument of 1 makes the final boss, a teleporter with a cannon.
int zorbix_newTeleporter(lua_State* L) {
    float x = floatArg(L, 1), y = floatArg(L, 2);
    bool finalBoss = lua_gettop(L) >= 3 && luaL_checknumber(L, 3) == 1;
    Coord p(x, y, 0.0f);
    if (finalBoss)
        return pushNew(L, new Anathema(p));
    return pushNew(L, new Teleporter(p));
}

// --- Queries on actor handles ---

int zorbix_getHardDiskHitCount(lua_State* L) {
    HardDisk* d = handleArg<HardDisk>(L, 1);
    lua_pushinteger(L, d ? d->getHitCount() : 0);
    return 1;
}

int zorbix_setHardDiskHitCount(lua_State* L) {
    int n = intArg(L, 2);
    if (HardDisk* d = handleArg<HardDisk>(L, 1))
        d->setHitCount(n);
    return 0;
}

int zorbix_setHardDiskRadius(lua_State* L) {
    int r = intArg(L, 2);
    if (HardDisk* d = handleArg<HardDisk>(L, 1))
        d->setRadius(r);
    return 0;
}

int zorbix_getSuciderLifeLeft(lua_State* L) {
    Sucider* s = handleArg<Sucider>(L, 1);
    lua_pushinteger(L, s ? s->getLifeLeft() : 0);
    return 1;
}

// --- Counters ---

static int pushCount(lua_State* L, int n) {
    lua_pushinteger(L, n);
    return 1;
}

int zorbix_getSpinyCount(lua_State* L) { return pushCount(L, Spiny::count); }
int zorbix_getBrownianCount(lua_State* L) { return pushCount(L, Brownian::count); }
int zorbix_getBossMirrorCount(lua_State* L) { return pushCount(L, BossMirror::count); }
int zorbix_getHelicopterCount(lua_State* L) { return pushCount(L, Helicopter::count); }
int zorbix_getDodgerCount(lua_State* L) { return pushCount(L, Dodger::count); }
int zorbix_getAsteroidCount(lua_State* L) { return pushCount(L, Asteroid::count); }
int zorbix_getAsteroidDestroyedCount(lua_State* L) { return pushCount(L, Asteroid::destroyed); }
int zorbix_getMotherShipCount(lua_State* L) { return pushCount(L, MotherShip::count); }
int zorbix_getSnakeCount(lua_State* L) { return pushCount(L, SnakeElement::count); }
int zorbix_getBAFCount(lua_State* L) { return pushCount(L, BackAndForth::count); }
int zorbix_getOBAFCount(lua_State* L) { return pushCount(L, OptimizedBAF::count2); }
int zorbix_getSplitterCount(lua_State* L) { return pushCount(L, Splitter::count); }
int zorbix_getSplitterPartCount(lua_State* L) { return pushCount(L, SplitterPart::count); }
int zorbix_getSuciderCount(lua_State* L) { return pushCount(L, Sucider::count); }
int zorbix_getTeleporterCount(lua_State* L) { return pushCount(L, Teleporter::count); }
int zorbix_getRollingCubeCount(lua_State* L) { return pushCount(L, RollingCube::count); }
int zorbix_getPlannerCount(lua_State* L) { return pushCount(L, Planner::count); }
int zorbix_getMotherShipPlayerHit(lua_State* L) { return pushCount(L, MotherShip::numberOfTimesThePlayerGotHit); }
int zorbix_getSnakePlayerHit(lua_State* L) { return pushCount(L, SnakeElement::numberOfTimesThePlayerGotHit); }

int zorbix_getOBAFCountAtX(lua_State* L) { return pushCount(L, OptimizedBAF::countAtX(intArg(L, 1))); }

int zorbix_getOBAFCountAtY(lua_State* L) { return pushCount(L, OptimizedBAF::countAtY(intArg(L, 1))); }

// The Brownians divide their speed by it: 0 and below are ignored. It lasts
// until the world's next reset.
int zorbix_setBrownianSpeedDivisor(lua_State* L) {
    float divisor = floatArg(L, 1);
    if (divisor > 0.0f)
        Brownian::setSpeedDivisor(divisor);
    return 0;
}

int zorbix_setMotherShipPlayerHit(lua_State* L) {
    MotherShip::numberOfTimesThePlayerGotHit = intArg(L, 1);
    return 0;
}

int zorbix_setSnakePlayerHit(lua_State* L) {
    SnakeElement::numberOfTimesThePlayerGotHit = intArg(L, 1);
    return 0;
}
