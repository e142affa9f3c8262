// Play screen tests: a fresh game directory and preferences, test levels put
// into the script store, and the class-wide state a game changes put back.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/CollisionShape.h"
#include "core/Device.h"
#include "core/Entity.h"
#include "core/Game.h"
#include "core/Joysticks.h"
#include "core/State.h"
#include "graphics/Explosion.h"
#include "graphics/SoundManager.h"
#include "graphics/TexturedExplosionsHandler.h"
#include "levelplay/LevelRun.h"
#include "levelplay/Replay.h"
#include "levelplay/StatePlay.h"
#include "savedata/Preferences.h"
#include "script/LuaScriptList.h"
#include "support/ActorTestKit.h"
#include "support/HeadlessGame.h"
#include "support/PlayScreenState.h"
#include "support/TempGameDir.h"

namespace playtest {

const std::string infinityPath = "/data/levels/infinity/assault/assault.lua";
const std::string campaignPath = "/data/levels/campaign0/digest/digest.lua";
const std::string tutorialPath = "/data/levels/campaign0/tutorial/tutorial.lua";

inline std::string sourceFile(const std::string& relative) {
    std::ifstream in(std::string(ZORBIX_SOURCE_DIR) + "/" + relative, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A level that draws from the shared generator every step and nothing else.
const std::string countingLevel = sourceFile("tests/data/levels/golden.lua");
// Walls, the player, bursts and a score, as far as the script module offers
// them; it ends itself after 900 steps.
const std::string busyLevel = sourceFile("tests/data/levels/roundtrip.lua");

class PlayTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The game's own resources: a sound loaded from an empty folder would
        // stay cached as missing for every later test.
        std::string native = dir.root + "/app/native";
        if (rmdir(native.c_str()) != 0 || symlink(ZORBIX_GAME_DIR "/app/native", native.c_str()) != 0)
            FAIL() << "cannot link the game's resources";
        startHeadlessLoop();
        Preferences::reloadForTests();
        playState.capture();
        for (const std::string& path : {infinityPath, campaignPath, tutorialPath})
            addLevel(path, countingLevel);
    }
    void TearDown() override {
        removeAddedLevels();
        playState.restore();
        // The next test's preferences come from its own folder.
        Preferences::reloadForTests();
    }

    void addLevel(const std::string& path, const std::string& text) {
        LuaScriptList::getInstance()->addScriptForTests(path, text);
        added.push_back(path);
    }
    // Takes away every level addLevel put in the store, the stand-ins that
    // SetUp puts over three real levels included, so the real ones play.
    void removeAddedLevels() {
        for (const std::string& path : added)
            LuaScriptList::getInstance()->removeScriptForTests(path);
        added.clear();
    }

    // A recorded infinity game of some steps without input, saved; its id.
    static int recordGame(int steps) {
        LevelRun run(new StatePlay(infinityPath, false, false));
        for (int i = 0; i < steps; i++)
            idle(run);
        return run.play->getReplay()->save();
    }

    // One frame without touches.
    static bool idle(LevelRun& run, bool draw = false) {
        static const int none[2] = {-1, -1};
        return run.frame(none, none, draw);
    }
    // One frame with one finger down at (x, y).
    static bool touch(LevelRun& run, int x, int y) {
        const int tx[2] = {x, -1}, ty[2] = {y, -1};
        return run.frame(tx, ty, false);
    }

    TempGameDir dir;
    std::vector<std::string> added;
    PlayScreenState playState;
    // The sticks are made once and kept for the process: made before the
    // guard, they are never taken away from under it.
    bool sticksMade = StatePlay::getJoysticks() != nullptr;
    // The sound listener and roll-off, the level size, the wall grid, the
    // camera and the ship model, as the actors' tests keep them.
    actortest::ClassStateGuard guard;
};

// The real levels, quiet: the stand-ins taken away, no explosions and no
// sound, which add nothing to what these tests look at.
class RealLevelTest : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        removeAddedLevels();
        Explosion::isActivated = false;
        TexturedExplosionsHandler::getInstance()->enabled = false;
        SoundManager::getInstance()->enabled = false;
    }
};

}  // namespace playtest
