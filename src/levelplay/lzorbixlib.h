// The script module `zorbix`: the C functions behind its script names, split
// over lzorbixlib*.cpp by subject, and the registration table they form.
// Every function reads all its arguments into plain locals first (a bad
// argument raises the script error before anything is made), then acts,
// then pushes. Handles are checked: a null, stale or wrong-kind handle makes
// a function do nothing, getters give 0 and handle getters the null handle.
#pragma once

#include "script/LuaRuntime.h"

// The table in registration order, ended by a pair of nulls.
const luaL_Reg* zorbixRegistrationTable();

// Level geometry, entity handles and script entities.
int zorbix_newLuaEntity(lua_State* L);
int zorbix_getGraphic(lua_State* L);
int zorbix_removeCollision(lua_State* L);
int zorbix_newCollisionQuad(lua_State* L);
int zorbix_newCollisionQuadWithFlag(lua_State* L);
int zorbix_newCollisionQuadTeletransport(lua_State* L);
int zorbix_newCollisionDisk(lua_State* L);
int zorbix_newCollisionInnerDisk(lua_State* L);
int zorbix_setQuadTeletransportOtherSide(lua_State* L);
int zorbix_setMapBoundaries(lua_State* L);
int zorbix_getEntityX(lua_State* L);
int zorbix_getEntityY(lua_State* L);
int zorbix_getEntityDistanceFromPlayer(lua_State* L);
int zorbix_getEntitySqrDistanceFromPlayer(lua_State* L);
int zorbix_getEntityNumberOfHits(lua_State* L);
int zorbix_getEntityTextWidth(lua_State* L);
int zorbix_setLuaEntityVxVy(lua_State* L);
int zorbix_setLuaEntityAngle(lua_State* L);
int zorbix_setLuaEntityAngle2(lua_State* L);
int zorbix_setLuaEntityRotation(lua_State* L);
int zorbix_setLuaEntityFrame(lua_State* L);
int zorbix_setLuaEntityScale(lua_State* L);
int zorbix_setLuaEntityVectorModel(lua_State* L);
int zorbix_setLuaEntityHidden(lua_State* L);
int zorbix_setLuaEntityZoom(lua_State* L);
int zorbix_setLuaEntityText(lua_State* L);
int zorbix_setLuaEntityColor(lua_State* L);
int zorbix_setEntityX(lua_State* L);
int zorbix_setEntityY(lua_State* L);
int zorbix_setEntityZ(lua_State* L);
int zorbix_setEntityXY(lua_State* L);
int zorbix_setEntityDestroy(lua_State* L);

// The player side.
int zorbix_newPlayer(lua_State* L);
int zorbix_newPlayerBullet(lua_State* L);
int zorbix_newUncommonEntity(lua_State* L);
int zorbix_destroyAllFriends(lua_State* L);
int zorbix_setPlayerColor(lua_State* L);
int zorbix_setPlayerCanShoot(lua_State* L);
int zorbix_setPlayerFriendsCanShoot(lua_State* L);
int zorbix_setPlayerShootType(lua_State* L);
int zorbix_setPlayerShootMode(lua_State* L);
int zorbix_setPlayerNumberOfCollisions(lua_State* L);
int zorbix_setPlayerCanMove(lua_State* L);
int zorbix_setPlayerHasRam(lua_State* L);
int zorbix_setPlayerRemoveCustomColor(lua_State* L);
int zorbix_setPlayerAlly(lua_State* L);
int zorbix_setPlayerIsInvincible(lua_State* L);
int zorbix_setPlayerShip(lua_State* L);
int zorbix_removePlayerAlly(lua_State* L);
int zorbix_setFriendsRadius(lua_State* L);
int zorbix_setFriendsRotation(lua_State* L);
int zorbix_getPlayerNumberOfKills(lua_State* L);
int zorbix_getPlayerNumberOfCollisions(lua_State* L);
int zorbix_getPlayerAlly(lua_State* L);
int zorbix_getPlayerShip(lua_State* L);
int zorbix_getUncommonValue(lua_State* L);

// Enemies, level devices and enemy bullets, with their classes' queries and counters.
int zorbix_newBossMirror(lua_State* L);
int zorbix_newSpiny(lua_State* L);
int zorbix_newMotherShip(lua_State* L);
int zorbix_newOptimizedBAF(lua_State* L);
int zorbix_newBackAndForth(lua_State* L);
int zorbix_newMultiColorBackAndForth(lua_State* L);
int zorbix_newBrownian(lua_State* L);
int zorbix_newTutorialTarget(lua_State* L);
int zorbix_newCirculatingEnemy(lua_State* L);
int zorbix_newSnake(lua_State* L);
int zorbix_newFan(lua_State* L);
int zorbix_newSpring(lua_State* L);
int zorbix_newHardDisk(lua_State* L);
int zorbix_newBadBullet(lua_State* L);
int zorbix_newHelicopter(lua_State* L);
int zorbix_newSplitter(lua_State* L);
int zorbix_newPlanner(lua_State* L);
int zorbix_newRollingCube(lua_State* L);
int zorbix_newSucider(lua_State* L);
int zorbix_newDodger(lua_State* L);
int zorbix_newBomb(lua_State* L);
int zorbix_newTeleportingZone(lua_State* L);
int zorbix_newAsteroid(lua_State* L);
int zorbix_newTeleporter(lua_State* L);
int zorbix_getHardDiskHitCount(lua_State* L);
int zorbix_setHardDiskHitCount(lua_State* L);
int zorbix_setHardDiskRadius(lua_State* L);
int zorbix_getSuciderLifeLeft(lua_State* L);
int zorbix_setBrownianSpeedDivisor(lua_State* L);
int zorbix_setMotherShipPlayerHit(lua_State* L);
int zorbix_setSnakePlayerHit(lua_State* L);
int zorbix_getSnakePlayerHit(lua_State* L);
int zorbix_getMotherShipPlayerHit(lua_State* L);
int zorbix_getSpinyCount(lua_State* L);
int zorbix_getMotherShipCount(lua_State* L);
int zorbix_getSnakeCount(lua_State* L);
int zorbix_getBAFCount(lua_State* L);
int zorbix_getOBAFCountAtX(lua_State* L);
int zorbix_getOBAFCountAtY(lua_State* L);
int zorbix_getOBAFCount(lua_State* L);
int zorbix_getSplitterCount(lua_State* L);
int zorbix_getSplitterPartCount(lua_State* L);
int zorbix_getSuciderCount(lua_State* L);
int zorbix_getTeleporterCount(lua_State* L);
int zorbix_getRollingCubeCount(lua_State* L);
int zorbix_getPlannerCount(lua_State* L);
int zorbix_getBrownianCount(lua_State* L);
int zorbix_getBossMirrorCount(lua_State* L);
int zorbix_getHelicopterCount(lua_State* L);
int zorbix_getDodgerCount(lua_State* L);
int zorbix_getAsteroidCount(lua_State* L);
int zorbix_getAsteroidDestroyedCount(lua_State* L);

// Effects that need no actor.
int zorbix_newPlayerExplosion(lua_State* L);
int zorbix_newExplosion(lua_State* L);
int zorbix_newFloatingMessage(lua_State* L);
int zorbix_newTexturedExplosion(lua_State* L);

// Camera, display, score, game flow, sound and the inert functions.
int zorbix_print(lua_State* L);
int zorbix_playSound(lua_State* L);
int zorbix_vibrate(lua_State* L);
int zorbix_setCameraXY(lua_State* L);
int zorbix_setCameraZoom(lua_State* L);
int zorbix_setCameraZoom2(lua_State* L);
int zorbix_setCameraXAngle(lua_State* L);
int zorbix_setCameraYAngle(lua_State* L);
int zorbix_setCameraZAngle(lua_State* L);
int zorbix_setHudString1(lua_State* L);
int zorbix_setHudString2(lua_State* L);
int zorbix_setButtonWasPressed(lua_State* L);
int zorbix_setButtonIsVisible(lua_State* L);
int zorbix_setQuickPauseEnabled(lua_State* L);
int zorbix_setScore(lua_State* L);
int zorbix_increaseScore(lua_State* L);
int zorbix_setShootJoystickIsHidden(lua_State* L);
int zorbix_setMoveJoystickIsHidden(lua_State* L);
int zorbix_setBackgroundColor(lua_State* L);
int zorbix_setGameIsFinished(lua_State* L);
int zorbix_getDifficultyLevel(lua_State* L);
int zorbix_getCameraZoom(lua_State* L);
int zorbix_getButtonWasPressed(lua_State* L);
int zorbix_getMusicAmplitude(lua_State* L);
int zorbix_getScore(lua_State* L);
