// The module's creators of actors and effects.
#include <cstring>
#include <string>

#include "actors/Bizarro.h"
#include "actors/Bullet.h"
#include "actors/Player.h"
#include "actors/PlayerFriends.h"
#include "core/Color.h"
#include "graphics/Explosion.h"
#include "graphics/FloatingMessage.h"
#include "graphics/PlayerExplosion.h"
#include "graphics/TexturedExplosionsHandler.h"
#include "levelplay/ScriptHandles.h"
#include "levelplay/ScriptValues.h"
#include "levelplay/lzorbixlib.h"

// --- The player side ---

int zorbix_newPlayer(lua_State* L) {
    float x = floatArg(L, 1), y = floatArg(L, 2);
    ScriptHandles::pushEntity(L, new Player(Coord(x, y, 0.0f)));
    return 1;
}

int zorbix_newPlayerBullet(lua_State* L) {
    float x = floatArg(L, 1), y = floatArg(L, 2);
    float angle = fraction255Arg(L, 3), speed = fraction255Arg(L, 4);
    int type = intArg(L, 5);
    // The bullet colours run from -1 (white) to 6 (cyan).
    if (type < -1 || type > 6) {
        ScriptHandles::pushNull(L);
        return 1;
    }
    ScriptHandles::pushEntity(L, new Bullet(Coord(x, y, 0.0f), speed, angle, type, Bullet::BULLET_SHAPE_DEFAULT));
    return 1;
}

// Entities that only a few levels use, by name.
int zorbix_newUncommonEntity(lua_State* L) {
    int n = lua_gettop(L);
    if (n == 0)
        return 0;
    StringArg name = stringArg(L, 1);
    float x = 0.0f, y = 0.0f;
    if (n > 2) {
        x = floatArg(L, 2);
        y = floatArg(L, 3);
    }
    // nil, a table or a name with a zero byte in it is no name.
    if (!name.text || std::strlen(name.text) != name.length)
        return 0;
    Coord p(x, y, 0.0f);
    if (std::strcmp(name.text, "bizarro") == 0) {
        ScriptHandles::pushEntity(L, new Bizarro(p));
        return 1;
    }
    if (std::strcmp(name.text, "player friend") == 0) {
        ScriptHandles::pushEntity(L, new PlayerFriends(p));
        return 1;
    }
    return 0;
}

// --- Effects ---

int zorbix_newPlayerExplosion(lua_State* L) {
    bool coloured = lua_gettop(L) == 5;
    float x = floatArg(L, 1), y = floatArg(L, 2);
    float r = 0.0f, g = 0.0f, b = 0.0f;
    if (coloured) {
        r = fraction255Arg(L, 3);
        g = fraction255Arg(L, 4);
        b = fraction255Arg(L, 5);
    }
    Coord p(x, y, 0.0f);
    Entity* e = coloured ? new PlayerExplosion(p, Color(r, g, b, 1.0f)) : new PlayerExplosion(p);
    ScriptHandles::pushEntity(L, e);
    return 1;
}

int zorbix_newExplosion(lua_State* L) {
    int n = lua_gettop(L);
    if (n < 4 || n > 7) {
        ScriptHandles::pushNull(L);
        return 1;
    }
    float x = floatArg(L, 1), y = floatArg(L, 2);
    // 4 or 5 arguments: a colour index; 6 or 7: red, green and blue.
    bool indexed = n <= 5;
    int colourIndex = 0, count = 0;
    float r = 0.0f, g = 0.0f, b = 0.0f;
    if (indexed) {
        colourIndex = intArg(L, 3);
        count = intArg(L, 4);
    } else {
        r = fraction255Arg(L, 3);
        g = fraction255Arg(L, 4);
        b = fraction255Arg(L, 5);
        count = intArg(L, 6);
    }
    float speed = (n == 5 || n == 7) ? fraction255Arg(L, n) : 1.0f;
    // The sparks come from one shared buffer of fixed size.
    if (count < 0)
        count = 0;
    if (count > Explosion::SPARKS)
        count = Explosion::SPARKS;
    Coord p(x, y, 0.0f);
    Entity* e;
    if (indexed) {
        e = new Explosion(p, colourIndex, count, speed);
    } else {
        Color c(r, g, b, 1.0f);
        e = new Explosion(p, c, c, count, speed);
    }
    ScriptHandles::pushEntity(L, e);
    return 1;
}

int zorbix_newFloatingMessage(lua_State* L) {
    float x = floatArg(L, 1), y = floatArg(L, 2);
    StringArg text = stringArg(L, 3);
    float r = fraction255Arg(L, 4), g = fraction255Arg(L, 5), b = fraction255Arg(L, 6);
    std::string message = text.str();
    ScriptHandles::pushEntity(L, new FloatingMessage(Coord(x, y, 0.0f), message, Color(r, g, b)));
    return 1;
}

int zorbix_newTexturedExplosion(lua_State* L) {
    bool coloured = lua_gettop(L) == 6;
    float x = floatArg(L, 1), y = floatArg(L, 2);
    float r = 0.0f, g = 0.0f, b = 0.0f, size;
    int colourIndex = 0;
    if (coloured) {
        r = fraction255Arg(L, 3);
        g = fraction255Arg(L, 4);
        b = fraction255Arg(L, 5);
        size = fraction255Arg(L, 6);
    } else {
        colourIndex = intArg(L, 3);
        size = fraction255Arg(L, 4);
    }
    TexturedExplosionsHandler* handler =
        Entity::explosions ? Entity::explosions : TexturedExplosionsHandler::getInstance();
    Coord p(x, y, 0.0f);
    if (coloured)
        handler->addExplosion(p, Color(r, g, b, 1.0f), size);
    else
        handler->addExplosion(p, colourIndex, size);
    return 0;
}
