// The module's level geometry, entity handles and script entities.
#include <string>

#include "core/Disk.h"
#include "core/InnerDisk.h"
#include "core/Quad.h"
#include "core/QuadTeletransport.h"
#include "core/SpacePartition.h"
#include "core/WallsSpacePartitioner.h"
#include "levelplay/LuaEntity.h"
#include "levelplay/ScriptHandles.h"
#include "levelplay/ScriptValues.h"
#include "levelplay/lzorbixlib.h"

// --- Level geometry ---

int zorbix_setMapBoundaries(lua_State* L) {
    if (lua_gettop(L) != 2)
        return 0;
    float width = floatArg(L, 1), height = floatArg(L, 2);
    // A level of no size, or too large for its grids, keeps the size it had.
    if (width <= 0.0f || height <= 0.0f || width > 100000.0f || height > 100000.0f)
        return 0;
    SpacePartition::setBoundaries(Coord(width, height, 0.0f));
    return 0;
}

static void readCorners(lua_State* L, Coord corners[4]) {
    for (int k = 0; k < 4; k++)
        corners[k] = Coord(floatArg(L, 2 * k + 1), floatArg(L, 2 * k + 2), 0.0f);
}

static int pushNewShape(lua_State* L, CollisionShape* shape) {
    ScriptHandles::addShape(shape);
    ScriptHandles::pushShape(L, shape);
    return 1;
}

int zorbix_newCollisionQuad(lua_State* L) {
    if (lua_gettop(L) != 8)
        return 0;
    Coord c[4];
    readCorners(L, c);
    return pushNewShape(L, new Quad(c[0], c[1], c[2], c[3], 0));
}

int zorbix_newCollisionQuadWithFlag(lua_State* L) {
    if (lua_gettop(L) != 9)
        return 0;
    Coord c[4];
    readCorners(L, c);
    int flag = intArg(L, 9);
    return pushNewShape(L, new Quad(c[0], c[1], c[2], c[3], flag));
}

int zorbix_newCollisionQuadTeletransport(lua_State* L) {
    if (lua_gettop(L) != 8)
        return 0;
    Coord c[4];
    readCorners(L, c);
    return pushNewShape(L, new QuadTeletransport(c[0], c[1], c[2], c[3], 0));
}

int zorbix_setQuadTeletransportOtherSide(lua_State* L) {
    if (lua_gettop(L) != 2)
        return 0;
    QuadTeletransport* q1 = handleArg<QuadTeletransport>(L, 1);
    QuadTeletransport* q2 = handleArg<QuadTeletransport>(L, 2);
    if (q1 && q2)
        q1->setOtherSide(q2);
    return 0;
}

int zorbix_newCollisionDisk(lua_State* L) {
    if (lua_gettop(L) != 3)
        return 0;
    float x = floatArg(L, 1), y = floatArg(L, 2), r = floatArg(L, 3);
    return pushNewShape(L, new Disk(Coord(x, y, 0.0f), r));
}

int zorbix_newCollisionInnerDisk(lua_State* L) {
    int n = lua_gettop(L);
    if (n != 3 && n != 4)
        return 0;
    float x = floatArg(L, 1), y = floatArg(L, 2), r = floatArg(L, 3);
    int flags = n == 4 ? intArg(L, 4) : 0;
    return pushNewShape(L, new InnerDisk(Coord(x, y, 0.0f), r, flags));
}

int zorbix_removeCollision(lua_State* L) {
    // The shape stays the module's (and its handle valid) until the level ends.
    CollisionShape* shape = handleArg<CollisionShape>(L, 1);
    if (shape && shape->registeredIn)
        shape->registeredIn->removeObject(shape);
    return 0;
}

// --- Entity handles ---

int zorbix_getEntityX(lua_State* L) {
    Entity* e = handleArg<Entity>(L, 1);
    pushTruncated(L, e ? e->position.x : 0.0);
    return 1;
}

int zorbix_getEntityY(lua_State* L) {
    Entity* e = handleArg<Entity>(L, 1);
    pushTruncated(L, e ? e->position.y : 0.0);
    return 1;
}

int zorbix_getEntityDistanceFromPlayer(lua_State* L) {
    Entity* e = handleArg<Entity>(L, 1);
    pushTruncated(L, e ? e->getDistanceFromPlayer() : 0.0);
    return 1;
}

int zorbix_getEntitySqrDistanceFromPlayer(lua_State* L) {
    Entity* e = handleArg<Entity>(L, 1);
    pushTruncated(L, e ? e->getSquareDistanceFromPlayer() : 0.0);
    return 1;
}

int zorbix_getEntityNumberOfHits(lua_State* L) {
    Entity* e = handleArg<Entity>(L, 1);
    if (e)
        lua_pushinteger(L, e->getNumberOfHits());
    else if (lua_type(L, 1) == LUA_TLIGHTUSERDATA && !ScriptHandles::isShape(lua_touserdata(L, 1)) &&
             !ScriptHandles::isModel(lua_touserdata(L, 1)))
        // An entity destroyed since the level began keeps its last count.
        lua_pushinteger(L, Entity::lastHitsOf(lua_touserdata(L, 1)));
    else
        lua_pushinteger(L, 0);
    return 1;
}

int zorbix_getEntityTextWidth(lua_State* L) {
    LuaEntity* e = handleArg<LuaEntity>(L, 1);
    lua_pushinteger(L, e ? e->getTextWidth() : 0);
    return 1;
}

int zorbix_setEntityX(lua_State* L) {
    float x = floatArg(L, 2);
    if (Entity* e = handleArg<Entity>(L, 1))
        e->position.x = x;
    return 0;
}

int zorbix_setEntityY(lua_State* L) {
    float y = floatArg(L, 2);
    if (Entity* e = handleArg<Entity>(L, 1))
        e->position.y = y;
    return 0;
}

int zorbix_setEntityZ(lua_State* L) {
    float z = floatArg(L, 2);
    if (Entity* e = handleArg<Entity>(L, 1))
        e->position.z = z;
    return 0;
}

int zorbix_setEntityXY(lua_State* L) {
    float x = floatArg(L, 2), y = floatArg(L, 3);
    if (Entity* e = handleArg<Entity>(L, 1)) {
        Coord c(x, y, 0.0f);
        e->setCoord(c);
    }
    return 0;
}

int zorbix_setEntityDestroy(lua_State* L) {
    if (Entity* e = handleArg<Entity>(L, 1))
        e->toBeDeleted = true;
    return 0;
}

// --- Script entities and their models ---

int zorbix_newLuaEntity(lua_State* L) {
    float x = floatArg(L, 1), y = floatArg(L, 2);
    bool collides = lua_gettop(L) == 3 && boolArg(L, 3);
    ScriptHandles::pushEntity(L, new LuaEntity(Coord(x, y, 0.0f), collides));
    return 1;
}

int zorbix_getGraphic(lua_State* L) {
    if (lua_gettop(L) != 1) {
        lua_pushnil(L);
        return 1;
    }
    StringArg path = checkedStringArg(L, 1);
    VectorModel* model = VectorModel::loadFromLuaScript(path.str());
    ScriptHandles::addModel(model);
    ScriptHandles::pushModel(L, model);
    return 1;
}

int zorbix_setLuaEntityVectorModel(lua_State* L) {
    LuaEntity* e = handleArg<LuaEntity>(L, 1);
    VectorModel* model = handleArg<VectorModel>(L, 2);
    if (e && model)
        e->setVectorModel(model);
    return 0;
}

int zorbix_setLuaEntityFrame(lua_State* L) {
    int frame = intArg(L, 2);
    if (LuaEntity* e = handleArg<LuaEntity>(L, 1))
        e->setFrame(frame);
    return 0;
}

int zorbix_setLuaEntityHidden(lua_State* L) {
    bool hidden = boolArg(L, 2);
    if (LuaEntity* e = handleArg<LuaEntity>(L, 1))
        e->setHidden(hidden);
    return 0;
}

int zorbix_setLuaEntityAngle(lua_State* L) {
    float a = floatArg(L, 2);
    if (LuaEntity* e = handleArg<LuaEntity>(L, 1))
        e->setAngle(a);
    return 0;
}

int zorbix_setLuaEntityAngle2(lua_State* L) {
    float a = fraction255Arg(L, 2);
    if (LuaEntity* e = handleArg<LuaEntity>(L, 1))
        e->setAngle(a);
    return 0;
}

int zorbix_setLuaEntityRotation(lua_State* L) {
    float a = floatArg(L, 2);
    float x = fraction255Arg(L, 3), y = fraction255Arg(L, 4), z = fraction255Arg(L, 5);
    if (LuaEntity* e = handleArg<LuaEntity>(L, 1))
        e->setRotation(a, x, y, z);
    return 0;
}

int zorbix_setLuaEntityZoom(lua_State* L) {
    float z = fraction255Arg(L, 2);
    if (LuaEntity* e = handleArg<LuaEntity>(L, 1))
        e->setZoom(z);
    return 0;
}

int zorbix_setLuaEntityScale(lua_State* L) {
    float sx = fraction255Arg(L, 2), sy = fraction255Arg(L, 3), sz = fraction255Arg(L, 4);
    if (LuaEntity* e = handleArg<LuaEntity>(L, 1))
        e->setScale(sx, sy, sz);
    return 0;
}

int zorbix_setLuaEntityVxVy(lua_State* L) {
    float vx = floatArg(L, 2), vy = floatArg(L, 3);
    if (LuaEntity* e = handleArg<LuaEntity>(L, 1))
        e->setVCoord(Coord(vx, vy, 0.0f));
    return 0;
}

int zorbix_setLuaEntityColor(lua_State* L) {
    float r = fraction255Arg(L, 2), g = fraction255Arg(L, 3), b = fraction255Arg(L, 4);
    float a = fraction255Arg(L, 5);
    if (LuaEntity* e = handleArg<LuaEntity>(L, 1))
        e->setCustomColor(Color(r, g, b, a));
    return 0;
}

int zorbix_setLuaEntityText(lua_State* L) {
    // nil, a table or no text at all set the empty text.
    StringArg text = stringArg(L, 2);
    if (LuaEntity* e = handleArg<LuaEntity>(L, 1))
        e->setText(text.str());
    return 0;
}
