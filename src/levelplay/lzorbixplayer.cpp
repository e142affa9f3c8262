// The module's player functions: the ship, its ally and the friend ships.
#include <cstring>

#include "actors/Bizarro.h"
#include "actors/Player.h"
#include "actors/PlayerAlly.h"
#include "actors/PlayerFriends.h"
#include "core/Joysticks.h"
#include "levelplay/ScriptHandles.h"
#include "levelplay/ScriptValues.h"
#include "levelplay/StatePlay.h"
#include "levelplay/lzorbixlib.h"

int zorbix_setPlayerColor(lua_State* L) {
    float r = fraction256Arg(L, 1), g = fraction256Arg(L, 2), b = fraction256Arg(L, 3);
    Player::setCustomColor(true, Color(r, g, b, 1.0f));
    return 0;
}

int zorbix_setPlayerRemoveCustomColor(lua_State*) {
    Player::removeCustomColor();
    return 0;
}

int zorbix_setPlayerCanShoot(lua_State* L) {
    Player::setCanShoot(boolArg(L, 1));
    return 0;
}

int zorbix_setPlayerCanMove(lua_State* L) {
    Player::setCanMove(boolArg(L, 1));
    return 0;
}

int zorbix_setPlayerHasRam(lua_State* L) {
    Player::setHasRam(boolArg(L, 1));
    return 0;
}

int zorbix_setPlayerIsInvincible(lua_State* L) {
    Player::setIsInvincible(boolArg(L, 1));
    return 0;
}

int zorbix_setPlayerShootType(lua_State* L) {
    int type = intArg(L, 1);
    // The bullet colours run from -1 (white) to 6 (cyan).
    if (type >= -1 && type <= 6)
        Player::setBulletType(type);
    return 0;
}

int zorbix_setPlayerShootMode(lua_State* L) {
    Player::setShootMode(intArg(L, 1));
    return 0;
}

int zorbix_setPlayerShip(lua_State* L) {
    Player::setShip(intArg(L, 1));
    return 0;
}

int zorbix_getPlayerShip(lua_State* L) {
    lua_pushinteger(L, Player::getShip());
    return 1;
}

int zorbix_setPlayerNumberOfCollisions(lua_State* L) {
    Player::setHitNumber(intArg(L, 1));
    return 0;
}

int zorbix_getPlayerNumberOfCollisions(lua_State* L) {
    lua_pushinteger(L, Player::getHitNumber());
    return 1;
}

int zorbix_getPlayerNumberOfKills(lua_State* L) {
    lua_pushinteger(L, Player::getNumberOfKilledEnnemies());
    return 1;
}

int zorbix_setPlayerAlly(lua_State* L) {
    float x = floatArg(L, 1), y = floatArg(L, 2);
    Player::setAlly(Coord(x, y, 0.0f));
    if (StatePlay::joysticks)
        StatePlay::joysticks->activateBlueAndRedJoystick(true);
    return 0;
}

int zorbix_removePlayerAlly(lua_State*) {
    Player::removeAlly();
    if (StatePlay::joysticks)
        StatePlay::joysticks->activateBlueAndRedJoystick(false);
    return 0;
}

int zorbix_getPlayerAlly(lua_State* L) {
    PlayerAlly* ally = Player::getAlly();
    if (ally)
        ScriptHandles::pushEntity(L, ally);
    else
        ScriptHandles::pushNull(L);
    return 1;
}

int zorbix_setFriendsRadius(lua_State* L) {
    PlayerFriends::setRadiusFromPlayer(fraction256Arg(L, 1));
    return 0;
}

int zorbix_setFriendsRotation(lua_State* L) {
    PlayerFriends::setRotation(floatArg(L, 1));
    return 0;
}

int zorbix_setPlayerFriendsCanShoot(lua_State* L) {
    PlayerFriends::setCanShoot(boolArg(L, 1));
    return 0;
}

int zorbix_destroyAllFriends(lua_State*) {
    PlayerFriends::destroyAll();
    return 0;
}

int zorbix_getUncommonValue(lua_State* L) {
    StringArg name = stringArg(L, 1);
    // An unknown name, or none, gives nil.
    if (!name.text || std::strlen(name.text) != name.length) {
        lua_pushnil(L);
    } else if (std::strcmp(name.text, "friendsCount") == 0) {
        lua_pushinteger(L, PlayerFriends::getCount());
    } else if (std::strcmp(name.text, "bizarroHits") == 0) {
        lua_pushinteger(L, Bizarro::hitCount);
    } else {
        lua_pushnil(L);
    }
    return 1;
}
