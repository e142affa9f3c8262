// The script module `zorbix`: its registration table, in the module's fixed order.
#include "levelplay/lzorbixlib.h"

#define ZORBIX_FUNCTION(name) {#name, zorbix_##name}

static const luaL_Reg zorbixlib[] = {
    ZORBIX_FUNCTION(newPlayerExplosion),
    ZORBIX_FUNCTION(newExplosion),
    ZORBIX_FUNCTION(newFloatingMessage),
    ZORBIX_FUNCTION(newLuaEntity),
    ZORBIX_FUNCTION(newTexturedExplosion),
    ZORBIX_FUNCTION(print),
    ZORBIX_FUNCTION(getGraphic),
    ZORBIX_FUNCTION(removeCollision),
    ZORBIX_FUNCTION(newCollisionQuad),
    ZORBIX_FUNCTION(newCollisionQuadWithFlag),
    ZORBIX_FUNCTION(newCollisionQuadTeletransport),
    ZORBIX_FUNCTION(newCollisionDisk),
    ZORBIX_FUNCTION(newCollisionInnerDisk),
    ZORBIX_FUNCTION(setQuadTeletransportOtherSide),
    ZORBIX_FUNCTION(setMapBoundaries),
    ZORBIX_FUNCTION(playSound),
    ZORBIX_FUNCTION(vibrate),
    ZORBIX_FUNCTION(getEntityX),
    ZORBIX_FUNCTION(getEntityY),
    ZORBIX_FUNCTION(getEntityDistanceFromPlayer),
    ZORBIX_FUNCTION(getEntitySqrDistanceFromPlayer),
    ZORBIX_FUNCTION(getEntityNumberOfHits),
    ZORBIX_FUNCTION(getEntityTextWidth),
    ZORBIX_FUNCTION(setLuaEntityVxVy),
    ZORBIX_FUNCTION(setLuaEntityAngle),
    ZORBIX_FUNCTION(setLuaEntityAngle2),
    ZORBIX_FUNCTION(setLuaEntityRotation),
    ZORBIX_FUNCTION(setLuaEntityFrame),
    ZORBIX_FUNCTION(setLuaEntityScale),
    ZORBIX_FUNCTION(setLuaEntityVectorModel),
    ZORBIX_FUNCTION(setLuaEntityHidden),
    ZORBIX_FUNCTION(setLuaEntityZoom),
    ZORBIX_FUNCTION(setLuaEntityText),
    ZORBIX_FUNCTION(setLuaEntityColor),
    ZORBIX_FUNCTION(setEntityX),
    ZORBIX_FUNCTION(setEntityY),
    ZORBIX_FUNCTION(setEntityZ),
    ZORBIX_FUNCTION(setEntityXY),
    ZORBIX_FUNCTION(setEntityDestroy),
    ZORBIX_FUNCTION(setCameraXY),
    ZORBIX_FUNCTION(setCameraZoom),
    ZORBIX_FUNCTION(setCameraZoom2),
    ZORBIX_FUNCTION(setCameraXAngle),
    ZORBIX_FUNCTION(setCameraYAngle),
    ZORBIX_FUNCTION(setCameraZAngle),
    ZORBIX_FUNCTION(setHudString1),
    ZORBIX_FUNCTION(setHudString2),
    ZORBIX_FUNCTION(setButtonWasPressed),
    ZORBIX_FUNCTION(setButtonIsVisible),
    ZORBIX_FUNCTION(setQuickPauseEnabled),
    ZORBIX_FUNCTION(setScore),
    ZORBIX_FUNCTION(increaseScore),
    ZORBIX_FUNCTION(setShootJoystickIsHidden),
    ZORBIX_FUNCTION(setMoveJoystickIsHidden),
    ZORBIX_FUNCTION(setBackgroundColor),
    ZORBIX_FUNCTION(setGameIsFinished),
    ZORBIX_FUNCTION(getDifficultyLevel),
    ZORBIX_FUNCTION(getCameraZoom),
    ZORBIX_FUNCTION(getButtonWasPressed),
    ZORBIX_FUNCTION(getMusicAmplitude),
    ZORBIX_FUNCTION(getScore),
    {nullptr, nullptr}
};

const luaL_Reg* zorbixRegistrationTable() {
    return zorbixlib;
}

int luaopen_zorbix(lua_State* L) {
    luaL_register(L, "zorbix", zorbixlib);
    return 1;
}
