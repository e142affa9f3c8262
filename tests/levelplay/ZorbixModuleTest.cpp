// The script module: its registration, argument counts, the scaling of
// script integers and the entity functions.
#include <AL/al.h>
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "ModuleWorld.h"
#include "core/Device.h"
#include "core/InnerDisk.h"
#include "core/Quad.h"
#include "graphics/Explosion.h"
#include "levelplay/LuaEntity.h"
#include "levelplay/lzorbixlib.h"

namespace {

// clang-format off
// Every script name in registration order; setPlayerNumberOfCollisions twice.
const char* const kAllNames[] = {
    "newPlayer", "newBossMirror", "newSpiny", "newMotherShip", "newOptimizedBAF",
    "newBackAndForth", "newPlayerExplosion", "newBrownian", "newExplosion",
    "newMultiColorBackAndForth", "newFloatingMessage", "newLuaEntity", "newTutorialTarget",
    "newCirculatingEnemy", "newTexturedExplosion", "newSnake", "newFan", "newSpring",
    "newHardDisk", "newBadBullet", "newHelicopter", "newSplitter", "newPlanner", "newRollingCube",
    "newPlayerBullet", "newSucider", "newDodger", "newBomb", "newTeleportingZone", "newAsteroid",
    "newUncommonEntity", "newTeleporter", "print", "getGraphic", "removeCollision",
    "newCollisionQuad", "newCollisionQuadWithFlag", "newCollisionQuadTeletransport",
    "newCollisionDisk", "newCollisionInnerDisk", "setQuadTeletransportOtherSide",
    "setMapBoundaries", "playSound", "vibrate", "destroyAllFriends", "getEntityX", "getEntityY",
    "getEntityDistanceFromPlayer", "getEntitySqrDistanceFromPlayer", "getEntityNumberOfHits",
    "getEntityTextWidth", "getHardDiskHitCount", "setHardDiskHitCount", "setHardDiskRadius",
    "getSuciderLifeLeft", "setLuaEntityVxVy", "setLuaEntityAngle", "setLuaEntityAngle2",
    "setLuaEntityRotation", "setLuaEntityFrame", "setLuaEntityScale", "setLuaEntityVectorModel",
    "setLuaEntityHidden", "setLuaEntityZoom", "setLuaEntityText", "setLuaEntityColor",
    "setEntityX", "setEntityY", "setEntityZ", "setEntityXY", "setEntityDestroy", "setPlayerColor",
    "setPlayerCanShoot", "setPlayerFriendsCanShoot", "setPlayerShootType", "setPlayerShootMode",
    "setPlayerNumberOfCollisions", "setPlayerCanMove", "setPlayerHasRam",
    "setPlayerRemoveCustomColor", "setPlayerNumberOfCollisions", "setPlayerAlly",
    "setPlayerIsInvincible", "setPlayerShip", "removePlayerAlly", "setFriendsRadius",
    "setFriendsRotation", "getPlayerNumberOfKills", "getPlayerNumberOfCollisions",
    "getPlayerAlly", "getPlayerShip", "setCameraXY", "setCameraZoom", "setCameraZoom2",
    "setCameraXAngle", "setCameraYAngle", "setCameraZAngle", "setHudString1", "setHudString2",
    "setButtonWasPressed", "setButtonIsVisible", "setQuickPauseEnabled", "setScore",
    "increaseScore", "setShootJoystickIsHidden", "setMoveJoystickIsHidden", "setBackgroundColor",
    "setGameIsFinished", "setBrownianSpeedDivisor", "setMotherShipPlayerHit", "setSnakePlayerHit",
    "getDifficultyLevel", "getCameraZoom", "getSnakePlayerHit", "getMotherShipPlayerHit",
    "getSpinyCount", "getBrownianCount", "getMotherShipCount", "getSnakeCount", "getBAFCount",
    "getButtonWasPressed", "getMusicAmplitude", "getOBAFCountAtX", "getOBAFCountAtY",
    "getOBAFCount", "getBossMirrorCount", "getSplitterCount", "getSplitterPartCount",
    "getHelicopterCount", "getSuciderCount", "getTeleporterCount", "getRollingCubeCount",
    "getPlannerCount", "getDodgerCount", "getAsteroidCount", "getAsteroidDestroyedCount",
    "getScore", "getUncommonValue",
};

// Functions whose actors are not in the game yet; each leaves this list
// when its actor and binding arrive.
const std::set<std::string> kWaiting = {};
// clang-format on

}  // namespace

class ZorbixModule : public ModuleWorld {};

TEST_F(ZorbixModule, RegistrationFollowsTheFixedOrder) {
    std::vector<std::string> expected, registered;
    std::set<std::string> distinct;
    for (const char* name : kAllNames) {
        distinct.insert(name);
        if (!kWaiting.count(name))
            expected.push_back(name);
    }
    ASSERT_EQ(sizeof kAllNames / sizeof kAllNames[0], 138u);
    ASSERT_EQ(distinct.size(), 137u);
    for (const luaL_Reg* r = zorbixRegistrationTable(); r->name; r++)
        registered.push_back(r->name);
    EXPECT_EQ(registered, expected);
    for (const std::string& name : registered)
        EXPECT_EQ(eval("type(zorbix." + name + ")"), "function") << name;
    EXPECT_EQ(eval("zorbix == package.loaded.zorbix"), "true");
}

TEST_F(ZorbixModule, ArgumentCountsChooseTheVariant) {
    // setMapBoundaries wants exactly two numbers, and sizes within 1..100000.
    SpacePartition::setBoundaries(Coord(300.0f, 200.0f, 0.0f));
    for (const char* call : {"setMapBoundaries(100)", "setMapBoundaries(100, 100, 100)", "setMapBoundaries(0, 100)",
                             "setMapBoundaries(100, -5)", "setMapBoundaries(100001, 100)"}) {
        EXPECT_EQ(eval("select('#', zorbix." + std::string(call) + ")"), "0") << call;
        EXPECT_EQ(SpacePartition::boundaries.x, 300.0f) << call;
        EXPECT_EQ(SpacePartition::boundaries.y, 200.0f) << call;
    }
    ASSERT_EQ(run("zorbix.setMapBoundaries(100000, 40)"), "");
    EXPECT_EQ(SpacePartition::boundaries.x, 100000.0f);
    EXPECT_EQ(SpacePartition::boundaries.y, 40.0f);

    // Shapes: a wrong count makes and returns nothing.
    struct Row {
        const char* call;
        int results;
    } rows[] = {
        {"newCollisionQuad(0, 0, 10, 0, 10, 10, 0)", 0},
        {"newCollisionQuad(0, 0, 10, 0, 10, 10, 0, 10, 1)", 0},
        {"newCollisionQuadWithFlag(0, 0, 10, 0, 10, 10, 0, 10)", 0},
        {"newCollisionQuadTeletransport(0, 0, 10, 0, 10, 10, 0, 10, 0)", 0},
        {"newCollisionDisk(0, 0)", 0},
        {"newCollisionDisk(0, 0, 5, 5)", 0},
        {"newCollisionInnerDisk(0, 0)", 0},
        {"newCollisionInnerDisk(0, 0, 5, 0, 0)", 0},
        {"newCollisionQuad(0, 0, 10, 0, 10, 10, 0, 10)", 1},
        {"newCollisionQuadWithFlag(0, 0, 10, 0, 10, 10, 0, 10, 2)", 1},
        {"newCollisionQuadTeletransport(0, 0, 10, 0, 10, 10, 0, 10)", 1},
        {"newCollisionDisk(0, 0, 5)", 1},
        {"newCollisionInnerDisk(0, 0, 5)", 1},
        {"newCollisionInnerDisk(0, 0, 5, 3)", 1},
    };
    for (const Row& row : rows) {
        int before = ScriptHandles::shapeCount(), listed = listedShapes();
        EXPECT_EQ(eval("select('#', zorbix." + std::string(row.call) + ")"), std::to_string(row.results)) << row.call;
        EXPECT_EQ(ScriptHandles::shapeCount(), before + row.results) << row.call;
        EXPECT_EQ(listedShapes(), listed + row.results) << row.call;
    }

    // removeCollision takes an 8-number quad out of the grid; twice changes nothing more.
    ASSERT_EQ(run("q = zorbix.newCollisionQuad(0, 0, 10, 0, 10, 10, 0, 10)"), "");
    int listed = listedShapes();
    ASSERT_EQ(run("zorbix.removeCollision(q)"), "");
    EXPECT_EQ(listedShapes(), listed - 1);
    ASSERT_EQ(run("zorbix.removeCollision(q)"), "");
    EXPECT_EQ(listedShapes(), listed - 1);

    // The flag word reaches the quad; an inner disk without n has n = 0.
    auto* flagged = static_cast<Quad*>(
        static_cast<CollisionShape*>(handle("zorbix.newCollisionQuadWithFlag(0, 0, 10, 0, 10, 10, 0, 10, 64)")));
    ASSERT_NE(flagged, nullptr);
    EXPECT_EQ(flagged->flags, 64);
    auto* three =
        static_cast<InnerDisk*>(static_cast<CollisionShape*>(handle("zorbix.newCollisionInnerDisk(0, 0, 50)")));
    auto* four =
        static_cast<InnerDisk*>(static_cast<CollisionShape*>(handle("zorbix.newCollisionInnerDisk(0, 0, 50, 0)")));
    ASSERT_TRUE(three && four);
    EXPECT_EQ(three->flags, four->flags);
    EXPECT_EQ(three->radius, four->radius);
    EXPECT_TRUE(three->centre.equals(four->centre));

    // The wall flag of a script entity is read only as a third argument.
    struct Walls {
        const char* args;
        bool collides;
    } walls[] = {{"0, 0", false},      {"0, 0, nil", false}, {"0, 0, false", false},
                 {"0, 0, true", true}, {"0, 0, 0", true},    {"0, 0, true, 1", false}};
    for (const Walls& w : walls) {
        LuaEntity* e = object<LuaEntity>("zorbix.newLuaEntity(" + std::string(w.args) + ")");
        ASSERT_NE(e, nullptr) << w.args;
        EXPECT_EQ(e->collidesWithWalls, w.collides) << w.args;
        EXPECT_TRUE(e->subclassFlag);
    }

    // Explosions: 4 to 7 arguments; 5 takes the speed, not a colour.
    Explosion* five = object<Explosion>("zorbix.newExplosion(10, 20, 1, 2, 3)");
    ASSERT_NE(five, nullptr);
    EXPECT_EQ(five->count, 2);
    EXPECT_EQ(five->scale, (float)(3 / 255.0));
    EXPECT_EQ(five->position.x, 10.0f);
    Explosion* seven = object<Explosion>("zorbix.newExplosion(0, 0, 255, 0, 0, 40, 510)");
    ASSERT_NE(seven, nullptr);
    EXPECT_EQ(seven->colour1.r, 1.0f);
    EXPECT_EQ(seven->colour2.g, 0.0f);
    EXPECT_EQ(seven->scale, 2.0f);
    EXPECT_EQ(object<Explosion>("zorbix.newExplosion(0, 0, 1, 9)")->scale, 1.0f);
    int before = entityCount();
    ASSERT_EQ(run("n3 = zorbix.newExplosion(0, 0, 1) n8 = zorbix.newExplosion(0, 0, 1, 2, 3, 4, 5, 6)"), "");
    EXPECT_EQ(entityCount(), before);
    // The null handle: not nil, true, equal only to another null handle.
    EXPECT_EQ(eval("type(n3)"), "userdata");
    EXPECT_EQ(eval("n3 == n8"), "true");
    EXPECT_EQ(eval("n3 ~= nil and (n3 and true)"), "true");
    EXPECT_EQ(eval("n3 == zorbix.newLuaEntity(0, 0)"), "false");

    // A textured explosion returns nothing, whichever variant.
    EXPECT_EQ(eval("select('#', zorbix.newTexturedExplosion(0, 0, 1, 255))"), "0");
    EXPECT_EQ(eval("select('#', zorbix.newTexturedExplosion(0, 0, 255, 0, 0, 255))"), "0");

    // getGraphic wants exactly one string; a wrong count gives nil.
    EXPECT_EQ(eval("zorbix.getGraphic()"), "nil");
    EXPECT_EQ(eval("zorbix.getGraphic('/data/graphics/grid.lua', 2)"), "nil");
    EXPECT_EQ(eval("zorbix.getGraphic('/data/graphics/grid.lua') == zorbix.getGraphic('/data/graphics/grid.lua')"),
              "true");
}

TEST_F(ZorbixModule, PlaySoundIsPositionedOnlyWithThreeArguments) {
    SoundManager* sounds = SoundManager::getInstance();
    if (!sounds->hasDevice)
        GTEST_SKIP() << "no audio device";
    sounds->enabled = true;
    Coord origin;
    sounds->setListenerPosition(origin);
    struct Row {
        const char* call;
        bool plays;
        bool positioned;
    } rows[] = {
        {"playSound('/data/sounds/pop.caf', 40, -30)", true, true},
        {"playSound('/data/sounds/pop.caf', 40)", true, false},
        {"playSound('/data/sounds/pop.caf')", true, false},
        {"playSound('/data/sounds/pop.caf', 40, -30, 5)", true, false},
        {"playSound('/data/sounds/../sounds/pop.caf')", false, false},
        {"playSound('/data/graphics/grid.lua')", false, false},
        {"playSound('/data/sounds/pop.caf\\0.caf')", false, false},
    };
    for (const Row& row : rows) {
        int slot = sounds->nextSource;
        ALuint source = sounds->sources[slot];
        alSource3f(source, AL_POSITION, 7.0f, 7.0f, 0.0f);
        ASSERT_EQ(run("zorbix." + std::string(row.call)), "") << row.call;
        EXPECT_EQ(sounds->nextSource != slot, row.plays) << row.call;
        if (!row.plays)
            continue;
        ALfloat x, y, z;
        alGetSource3f(source, AL_POSITION, &x, &y, &z);
        EXPECT_EQ(x != 0.0f || y != 0.0f, row.positioned) << row.call;
    }
    EXPECT_NE(run("zorbix.playSound(nil)").find("bad argument #1 to 'playSound'"), std::string::npos);
}

TEST_F(ZorbixModule, ScriptIntegersScaleAsTheGameExpects) {
    ASSERT_EQ(run("e = zorbix.newLuaEntity(0, 0)"), "");
    LuaEntity* e = object<LuaEntity>("e");
    ASSERT_NE(e, nullptr);

    ASSERT_EQ(run("zorbix.setLuaEntityColor(e, 255, 128, 0, 51)"), "");
    EXPECT_TRUE(e->hasCustomColor);
    EXPECT_EQ(e->customColor.r, 1.0f);
    EXPECT_EQ(e->customColor.g, (float)(128 / 255.0));
    EXPECT_EQ(e->customColor.b, 0.0f);
    EXPECT_EQ(e->customColor.a, 0.2f);

    ASSERT_EQ(run("zorbix.setLuaEntityAngle2(e, 255 * 90 + 128)"), "");
    EXPECT_EQ(e->angle, (float)((255 * 90 + 128) / 255.0));
    ASSERT_EQ(run("zorbix.setLuaEntityRotation(e, 45, 0, 255, 128)"), "");
    EXPECT_EQ(e->angle, 45.0f);
    EXPECT_EQ(e->axis[1], 1.0f);
    EXPECT_EQ(e->axis[2], (float)(128 / 255.0));
    ASSERT_EQ(run("zorbix.setLuaEntityAngle(e, 30)"), "");
    EXPECT_EQ(e->axis[1], 0.0f);
    EXPECT_EQ(e->axis[2], 1.0f);
    ASSERT_EQ(run("zorbix.setLuaEntityZoom(e, 510)"), "");
    EXPECT_TRUE(e->scaleIsSet);
    EXPECT_EQ(e->scale[2], 2.0f);
    ASSERT_EQ(run("zorbix.setLuaEntityScale(e, 255, 51, 765)"), "");
    EXPECT_EQ(e->scale[0], 1.0f);
    EXPECT_EQ(e->scale[1], 0.2f);
    EXPECT_EQ(e->scale[2], 3.0f);

    // The camera: 255 and 65025 are both 1.0; 0 and below are refused.
    ASSERT_EQ(run("zorbix.setCameraZoom(510)"), "");
    EXPECT_EQ(StatePlay::zoom, 2.0f);
    EXPECT_EQ(StatePlay::realZoom, 2.0f * Device::zoom);
    ASSERT_EQ(run("zorbix.setCameraZoom(255)"), "");
    EXPECT_EQ(StatePlay::zoom, 1.0f);
    ASSERT_EQ(run("zorbix.setCameraZoom(128) zorbix.setCameraZoom2(65025)"), "");
    EXPECT_EQ(StatePlay::zoom, 1.0f);
    EXPECT_EQ(eval("zorbix.getCameraZoom()"), "255");
    ASSERT_EQ(run("zorbix.setCameraZoom2(1)"), "");
    EXPECT_EQ(StatePlay::zoom, (float)(1 / 65025.0));
    EXPECT_EQ(eval("zorbix.getCameraZoom()"), "0");
    ASSERT_EQ(run("zorbix.setCameraZoom(255) zorbix.setCameraZoom(0) zorbix.setCameraZoom(-255) "
                  "zorbix.setCameraZoom2(0) zorbix.setCameraZoom2(-1)"),
              "");
    EXPECT_EQ(StatePlay::zoom, 1.0f);
    ASSERT_EQ(run("zorbix.setCameraXAngle(255 * 30) zorbix.setCameraYAngle(-255) zorbix.setCameraZAngle(128)"), "");
    EXPECT_EQ(StatePlay::cameraAngleOffsetX, 30.0f);
    EXPECT_EQ(StatePlay::cameraAngleOffsetY, -1.0f);
    EXPECT_EQ(StatePlay::cameraAngleOffsetZ, (float)(128 / 255.0));
    ASSERT_EQ(run("zorbix.setCameraXY(-40, 70)"), "");
    EXPECT_TRUE(StatePlay::camera.equals(Coord(-40.0f, 70.0f, 0.0f)));

    // Booleans: nil and false are false, 0 is true.
    struct Flag {
        const char* call;
        bool* target;
        bool expected;
    } flags[] = {
        {"setButtonIsVisible(0)", &StatePlay::drawOkButton, true},
        {"setButtonIsVisible(nil)", &StatePlay::drawOkButton, false},
        {"setButtonWasPressed('')", &StatePlay::buttonWasPressed, true},
        {"setButtonWasPressed(false)", &StatePlay::buttonWasPressed, false},
        {"setQuickPauseEnabled(0)", &StatePlay::quickPauseEnabled, true},
        {"setQuickPauseEnabled()", &StatePlay::quickPauseEnabled, false},
        {"setGameIsFinished(0)", &StatePlay::gameIsFinished, true},
        {"setGameIsFinished(nil)", &StatePlay::gameIsFinished, false},
        {"setMoveJoystickIsHidden(0)", &sticks->moveVisible, false},
        {"setMoveJoystickIsHidden(nil)", &sticks->moveVisible, true},
        {"setShootJoystickIsHidden(true)", &sticks->shootVisible, false},
        {"setShootJoystickIsHidden(false)", &sticks->shootVisible, true},
        {"setLuaEntityHidden(e, 0)", &e->hidden, true},
        {"setLuaEntityHidden(e)", &e->hidden, false},
    };
    for (const Flag& f : flags) {
        *f.target = !f.expected;
        ASSERT_EQ(run("zorbix." + std::string(f.call)), "") << f.call;
        EXPECT_EQ(*f.target, f.expected) << f.call;
    }
    StatePlay::buttonWasPressed = true;
    EXPECT_EQ(eval("zorbix.getButtonWasPressed()"), "true");

    // The score, and texts with nil taken as "".
    ASSERT_EQ(run("zorbix.setScore(100) zorbix.increaseScore(-50)"), "");
    EXPECT_EQ(eval("zorbix.getScore()"), "50");
    ASSERT_EQ(run("zorbix.setScore(2147483647) zorbix.increaseScore(1)"), "");
    EXPECT_EQ(Game::getScore(), 2147483647);
    ASSERT_EQ(run("zorbix.setScore(-2147483647) zorbix.increaseScore(-10)"), "");
    EXPECT_EQ(Game::getScore(), -2147483647 - 1);
    ASSERT_EQ(run("zorbix.setHudString1('^1Score ' .. 12) zorbix.setHudString2(7)"), "");
    EXPECT_EQ(StatePlay::HUDString1, "^1Score 12");
    EXPECT_EQ(StatePlay::HUDString2, "7");
    ASSERT_EQ(run("zorbix.setHudString1(nil) zorbix.setHudString2({})"), "");
    EXPECT_EQ(StatePlay::HUDString1, "");
    EXPECT_EQ(StatePlay::HUDString2, "");

    EXPECT_EQ(eval("zorbix.getDifficultyLevel() == " + std::to_string(StatePlay::getDifficulty())), "true");
    EXPECT_EQ(eval("zorbix.getMusicAmplitude() >= 0"), "true");
    for (const char* call : {"print('x')", "print()", "setBackgroundColor(1, 2, 3)", "vibrate(1)", "vibrate(0)"})
        EXPECT_EQ(eval("select('#', zorbix." + std::string(call) + ")"), "0") << call;
}

TEST_F(ZorbixModule, EntityHandles) {
    ASSERT_EQ(run("e = zorbix.newLuaEntity(12, -7)"), "");
    LuaEntity* e = object<LuaEntity>("e");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->position.x, 12.0f);
    EXPECT_EQ(e->position.z, 0.0f);
    EXPECT_EQ(eval("zorbix.getEntityX(e) .. ' ' .. zorbix.getEntityY(e)"), "12 -7");

    ASSERT_EQ(run("zorbix.setEntityZ(e, 5) zorbix.setEntityX(e, 3)"), "");
    EXPECT_EQ(e->position.z, 5.0f);
    EXPECT_EQ(e->position.y, -7.0f);
    ASSERT_EQ(run("zorbix.setEntityXY(e, 10, 20)"), "");
    EXPECT_EQ(e->position.x, 10.0f);
    EXPECT_EQ(e->position.y, 20.0f);
    EXPECT_EQ(e->position.z, 0.0f);

    // Getters truncate toward zero and saturate.
    struct Value {
        float x;
        const char* expected;
    } values[] = {{-3.7f, "-3"},
                  {3.7f, "3"},
                  {-0.5f, "0"},
                  {3.0e9f, "2147483647"},
                  {-3.0e9f, "-2147483648"},
                  {NAN, "0"},
                  {INFINITY, "2147483647"}};
    for (const Value& v : values) {
        e->position.x = v.x;
        EXPECT_EQ(eval("zorbix.getEntityX(e)"), v.expected) << v.x;
    }

    // No player: the distance functions give 99999.
    EXPECT_EQ(eval("zorbix.getEntityDistanceFromPlayer(e)"), "99999");
    EXPECT_EQ(eval("zorbix.getEntitySqrDistanceFromPlayer(e)"), "99999");

    // The hit count outlives the entity until the world resets.
    e->numberOfHits = 7;
    EXPECT_EQ(eval("zorbix.getEntityNumberOfHits(e)"), "7");
    ASSERT_EQ(run("zorbix.setEntityDestroy(e, 1)"), "");
    EXPECT_TRUE(e->toBeDeleted);
    Entity::updateAll();
    EXPECT_EQ(eval("zorbix.getEntityNumberOfHits(e)"), "7");
    EXPECT_EQ(eval("zorbix.getEntityX(e)"), "0");
    Entity::reset();
    EXPECT_EQ(eval("zorbix.getEntityNumberOfHits(e)"), "0");
}

TEST_F(ZorbixModule, ScriptEntityState) {
    ASSERT_EQ(run("e = zorbix.newLuaEntity(0, 0)"), "");
    LuaEntity* e = object<LuaEntity>("e");
    ASSERT_NE(e, nullptr);

    // Two one-time moves before an update: one move, by the second.
    ASSERT_EQ(run("zorbix.setLuaEntityVxVy(e, 100, 100) zorbix.setLuaEntityVxVy(e, 3, -4)"), "");
    Entity::updateAll();
    EXPECT_EQ(e->position.x, 3.0f);
    EXPECT_EQ(e->position.y, -4.0f);
    Entity::updateAll();
    EXPECT_EQ(e->position.x, 3.0f);

    // Text widths: 0 without a text, scaled by x when a scale is set.
    EXPECT_EQ(eval("zorbix.getEntityTextWidth(e)"), "0");
    ASSERT_EQ(run("zorbix.setLuaEntityText(e, 'ABC')"), "");
    int width = std::stoi(eval("zorbix.getEntityTextWidth(e)"));
    EXPECT_GT(width, 0);
    ASSERT_EQ(run("zorbix.setLuaEntityScale(e, 510, 255, 255)"), "");
    EXPECT_EQ(eval("zorbix.getEntityTextWidth(e)"), std::to_string(width * 2));
    ASSERT_EQ(run("zorbix.setLuaEntityZoom(e, 255)"), "");
    EXPECT_FALSE(e->scaleIsSet);
    EXPECT_EQ(eval("zorbix.getEntityTextWidth(e)"), std::to_string(width));
    ASSERT_EQ(run("zorbix.setLuaEntityText(e, '')"), "");
    EXPECT_FALSE(e->hasText);
    EXPECT_EQ(eval("zorbix.getEntityTextWidth(e)"), "0");
    ASSERT_EQ(run("zorbix.setLuaEntityText(e, 42)"), "");
    EXPECT_EQ(e->getText(), "42");
    ASSERT_EQ(run("zorbix.setLuaEntityText(e, nil)"), "");
    EXPECT_EQ(e->getText(), "");

    // Any frame is stored; the model handle must be one getGraphic gave.
    ASSERT_EQ(run("zorbix.setLuaEntityFrame(e, -5)"), "");
    EXPECT_EQ(e->frame, -5);
    ASSERT_EQ(run("m = zorbix.getGraphic('/data/graphics/grid.lua') zorbix.setLuaEntityVectorModel(e, m)"), "");
    EXPECT_EQ(e->model, static_cast<VectorModel*>(handle("m")));
    ASSERT_EQ(run("zorbix.setLuaEntityVectorModel(e, e)"), "");
    EXPECT_EQ(e->model, static_cast<VectorModel*>(handle("m")));

    // The model stays in the cache after its entity is gone.
    ASSERT_EQ(run("zorbix.setEntityDestroy(e)"), "");
    Entity::updateAll();
    EXPECT_EQ(eval("m == zorbix.getGraphic('/data/graphics/grid.lua')"), "true");
    EXPECT_GT(static_cast<VectorModel*>(handle("m"))->getNumberOfFrames(), 0);
}
