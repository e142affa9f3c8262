// Content check: every graphic script in the embedded store loads and has the
// frames the native code draws; only the scripts meant to vary from game to
// game draw random numbers.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "core/Game.h"
#include "graphics/VectorModel.h"
#include "script/LuaScriptList.h"
#include "support/GraphicsTestSupport.h"

namespace {

bool startsWith(const std::string& s, const std::string& prefix) { return s.compare(0, prefix.size(), prefix) == 0; }

bool endsWith(const std::string& s, const std::string& suffix) {
    return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Graphic scripts: everything under /data/graphics/, the entity graphics
// (lower-case names ending in "Graphic.lua"), and every file of a level folder
// but the level script (named after its folder) and the generated geometry.
bool isGraphicScript(const std::string& path) {
    if (!endsWith(path, ".lua"))
        return false;
    if (startsWith(path, "/data/graphics/"))
        return true;
    size_t slash = path.rfind('/');
    std::string file = path.substr(slash + 1);
    std::string folder = path.substr(0, slash);
    if (folder == "/data/entities")
        return !file.empty() && islower((unsigned char)file[0]) && endsWith(file, "Graphic.lua");
    if (startsWith(path, "/data/levels/")) {
        std::string folderName = folder.substr(folder.rfind('/') + 1);
        return file != folderName + ".lua" && file != "generated.lua" && file != "events.lua";
    }
    return false;
}

// Frames the native code draws, for the scripts that need more than one.
const std::map<std::string, int> kFramesDrawn = {
    {"/data/graphics/fontGraphic.lua", 94},
    {"/data/graphics/joystickGraphic.lua", 3},
    {"/data/graphics/joystickGraphic2.lua", 6},
    {"/data/graphics/shipGraphic.lua", 9},
    {"/data/entities/wallGraphic.lua", 30},
    {"/data/graphics/rubberGraphic.lua", 2},
    {"/data/graphics/fanGraphic.lua", 36},
    {"/data/graphics/backAndForthGraphic.lua", 20},
    {"/data/graphics/snakeGraphic.lua", 4},
    {"/data/graphics/dodgerGraphic.lua", 2},
    {"/data/graphics/finalBossCannon.lua", 2},
    {"/data/graphics/ultimateShip.lua", 2},
    {"/data/graphics/bulletGraphic.lua", 180},
    {"/data/graphics/bulletGraphic2.lua", 180},
    {"/data/graphics/bulletGraphic3.lua", 180},
    {"/data/graphics/suciderGraphic.lua", 3},
    {"/data/graphics/splitterGraphic.lua", 2},
    {"/data/graphics/bafBlueAndWhiteGraphic.lua", 80},
    {"/data/graphics/bafBlueGraphic.lua", 80},
    {"/data/graphics/bafRedGraphic.lua", 80},
    {"/data/graphics/motherShipGraphic.lua", 45},
    {"/data/graphics/motherShip2Graphic.lua", 45},
    {"/data/graphics/motherShip3Graphic.lua", 45},
    {"/data/graphics/circulatingEnemyGraphic.lua", 32},
    {"/data/graphics/bossMirrorGraphic.lua", 7},
    {"/data/graphics/bossMirrorGraphic2.lua", 7},
    {"/data/graphics/asteroidGraphic.lua", 4},
    {"/data/graphics/thunder.lua", 4},
    {"/data/graphics/menuBackground1.lua", 2},
    {"/data/levels/infinity/asteroids/graphics asteroids.lua", 2},
    {"/data/levels/campaign2/UNUSED/bomb/graphics bomb.lua", 2},
    {"/data/levels/campaign2/UNUSED/space oddity/graphics space oddity.lua", 2},
    {"/data/entities/cannonGraphic.lua", 2},
    {"/data/entities/pulsarGraphic.lua", 16},
    {"/data/entities/spotGraphic.lua", 9},
    {"/data/graphics/buttons/fastForwardButton.lua", 3},
};

// Scripts outside the level folders that may draw from the game's generator:
// each is rebuilt for every game, so nothing may keep it across games.
bool mayUseRandomNumbers(const std::string& path) {
    static const char* const allowed[] = {
        "/data/graphics/asteroidGraphic.lua",  "/data/graphics/thunder.lua",
        "/data/graphics/menuBackground1.lua",  "/data/graphics/menuBackground2.lua",
        "/data/entities/solidDiskGraphic.lua", "/data/entities/wallGraphic.lua",
    };
    for (const char* a : allowed)
        if (path == a)
            return true;
    return startsWith(path, "/data/levels/");
}

// Every vertex of every frame, in order.
std::vector<float> allVertices(VectorModel& model) {
    std::vector<float> out;
    for (int f = 0; f < model.getNumberOfFrames(); f++) {
        MultiColorVectorFrame* frame = model.getMultiColorVectorFrame(f);
        for (int k = 0; k < frame->getNumberOfColors(); k++) {
            int count = 0;
            float* v = frame->getVectorFrame(k)->getVertexes(&count);
            out.insert(out.end(), v, v + count * frame->getVectorFrame(k)->getComponents());
        }
    }
    return out;
}

}  // namespace

TEST(GraphicContent, ScriptClassification) {
    EXPECT_TRUE(isGraphicScript("/data/graphics/grid.lua"));
    EXPECT_TRUE(isGraphicScript("/data/graphics/buttons/buttonUp.lua"));
    EXPECT_TRUE(isGraphicScript("/data/entities/wallGraphic.lua"));
    EXPECT_FALSE(isGraphicScript("/data/entities/Wall.lua"));
    EXPECT_FALSE(isGraphicScript("/data/functions/commonGraphicFunctions.lua"));
    EXPECT_TRUE(isGraphicScript("/data/levels/campaign0/boxes/boxesBack.lua"));
    EXPECT_FALSE(isGraphicScript("/data/levels/campaign0/boxes/boxes.lua"));
    EXPECT_FALSE(isGraphicScript("/data/levels/campaign2/ram/generated.lua"));
    EXPECT_FALSE(isGraphicScript("/data/levels/infinity/asteroids/events.lua"));
}

TEST(GraphicContent, EveryGraphicScriptLoadsWithTheFramesItNeeds) {
    REQUIRE_GL();
    LuaScriptList* store = LuaScriptList::getInstance();
    int checked = 0;
    for (int i = 0; i < store->getNumberOfScripts(); i++) {
        std::string path = store->getPath(i);
        if (!isGraphicScript(path))
            continue;
        checked++;
        VectorModel model(path);
        auto needed = kFramesDrawn.find(path);
        int frames = needed == kFramesDrawn.end() ? 1 : needed->second;
        EXPECT_GE(model.getNumberOfFrames(), frames) << path;
        for (int f = 0; f < model.getNumberOfFrames(); f++) {
            MultiColorVectorFrame* frame = model.getMultiColorVectorFrame(f);
            EXPECT_GT(frame->getNumberOfColors(), 0) << path << " frame " << f << " has no lines";
        }
        if (!mayUseRandomNumbers(path)) {
            EXPECT_FALSE(model.getUsesRandomNumbers()) << path << " draws random numbers";
        } else if (model.getUsesRandomNumbers()) {
            // Rebuilt for each game from the seeded generator: the same seed
            // must give the same shape, or replays would differ.
            Game::mtRand.seed(2024);
            VectorModel first(path);
            Game::mtRand.seed(2024);
            VectorModel second(path);
            EXPECT_EQ(allVertices(first), allVertices(second)) << path;
        }
    }
    EXPECT_GE(checked, 5);
}
