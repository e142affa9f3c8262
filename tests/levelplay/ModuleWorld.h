// A running level for the script module's tests: the real start-up (GL, the
// game object), a level's grids, the entity world and a script state with
// every library. What the module writes class-wide is saved and restored.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ScriptTestState.h"
#include "actors/Player.h"
#include "core/CollisionShape.h"
#include "core/Entity.h"
#include "core/Game.h"
#include "core/Joysticks.h"
#include "core/SpacePartition.h"
#include "graphics/SoundManager.h"
#include "levelplay/ScriptHandles.h"
#include "levelplay/StatePlay.h"
#include "support/HeadlessGame.h"

class ModuleWorld : public ::testing::Test {
protected:
    void SetUp() override {
        startHeadlessLoop();
        saved.camera = StatePlay::camera;
        saved.zoom = StatePlay::zoom;
        saved.realZoom = StatePlay::realZoom;
        saved.offsets[0] = StatePlay::cameraAngleOffsetX;
        saved.offsets[1] = StatePlay::cameraAngleOffsetY;
        saved.offsets[2] = StatePlay::cameraAngleOffsetZ;
        saved.hud1 = StatePlay::HUDString1;
        saved.hud2 = StatePlay::HUDString2;
        saved.flags[0] = StatePlay::drawOkButton;
        saved.flags[1] = StatePlay::buttonWasPressed;
        saved.flags[2] = StatePlay::quickPauseEnabled;
        saved.flags[3] = StatePlay::gameIsFinished;
        sticks = StatePlay::getJoysticks();
        saved.sticks[0] = sticks->moveVisible;
        saved.sticks[1] = sticks->shootVisible;
        saved.blueAndRed = sticks->blueAndRedActive;
        saved.moveStyle = sticks->moveStick->style;
        saved.cameraAngle = Player::cameraAngle;
        saved.shipModel = StatePlay::shipModelSelected;
        saved.score = Game::getScore();
        saved.boundaries = SpacePartition::boundaries;
        saved.boundariesAreInit = SpacePartition::boundariesAreInit;
        saved.wsp = CollisionShape::wsp;
        saved.soundsEnabled = SoundManager::getInstance()->enabled;

        partition = new SpacePartition();
        CollisionShape::init(&partition->walls);
        Entity::init(partition);
        SpacePartition::setBoundaries(Coord(1000.0f, 1000.0f, 0.0f));
        partition->initWithTheLoadedMap();
        script.reset(new ScriptTestState());
    }

    // The play screen's order at the end of a level.
    void TearDown() override {
        Entity::reset();
        script.reset();
        delete partition;
        ScriptHandles::levelEnded();

        StatePlay::camera = saved.camera;
        StatePlay::zoom = saved.zoom;
        StatePlay::realZoom = saved.realZoom;
        StatePlay::cameraAngleOffsetX = saved.offsets[0];
        StatePlay::cameraAngleOffsetY = saved.offsets[1];
        StatePlay::cameraAngleOffsetZ = saved.offsets[2];
        StatePlay::HUDString1 = saved.hud1;
        StatePlay::HUDString2 = saved.hud2;
        StatePlay::drawOkButton = saved.flags[0];
        StatePlay::buttonWasPressed = saved.flags[1];
        StatePlay::quickPauseEnabled = saved.flags[2];
        StatePlay::gameIsFinished = saved.flags[3];
        sticks->moveVisible = saved.sticks[0];
        sticks->shootVisible = saved.sticks[1];
        sticks->blueAndRedActive = saved.blueAndRed;
        sticks->moveStick->style = saved.moveStyle;
        Player::cameraAngle = saved.cameraAngle;
        StatePlay::shipModelSelected = saved.shipModel;
        Game::setScore(saved.score);
        SpacePartition::boundaries = saved.boundaries;
        SpacePartition::boundariesAreInit = saved.boundariesAreInit;
        CollisionShape::wsp = saved.wsp;
        SoundManager::getInstance()->enabled = saved.soundsEnabled;
    }

    std::string run(const std::string& code) { return script->run(code); }
    std::string eval(const std::string& expression) { return script->eval(expression); }

    // The light userdata an expression gives, or null.
    void* handle(const std::string& expression) {
        lua_State* L = script->L;
        std::string code = "return " + expression;
        void* p = nullptr;
        if (luaL_loadbuffer(L, code.data(), code.size(), "handle") == 0 && lua_pcall(L, 0, 1, 0) == 0 &&
            lua_type(L, -1) == LUA_TLIGHTUSERDATA)
            p = lua_touserdata(L, -1);
        lua_settop(L, 0);
        return p;
    }
    template <class T>
    T* object(const std::string& expression) {
        return static_cast<T*>(static_cast<Entity*>(handle(expression)));
    }

    int entityCount() { return (int)Entity::entityVector.size(); }
    int listedShapes() { return (int)partition->walls.shapes.size(); }

    SpacePartition* partition = nullptr;
    Joysticks* sticks = nullptr;
    std::unique_ptr<ScriptTestState> script;

private:
    struct {
        Coord camera, boundaries;
        float zoom, realZoom, offsets[3];
        std::string hud1, hud2;
        bool flags[4], sticks[2], boundariesAreInit, soundsEnabled, blueAndRed;
        int score, moveStyle, shipModel;
        float cameraAngle;
        WallsSpacePartitioner* wsp;
    } saved;
};
