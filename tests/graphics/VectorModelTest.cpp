// Graphic scripts to vector models: reading the "graphic" table, the cache,
// and the models rebuilt from the game's generator.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Game.h"
#include "graphics/VectorModel.h"
#include "script/LuaRuntime.h"
#include "support/GraphicsTestSupport.h"

namespace {

// A model built from a chunk run in a fresh state with every library, the
// way the loader builds one from a stored script: only a chunk that ran to
// its end is read.
struct ScriptModel {
    VectorModel model{"/data/no such script.lua"};
    bool ran = false;

    explicit ScriptModel(const std::string& chunk) {
        lua_State* L = luaL_newstate();
        luaL_openlibs(L);
        Game::randWasUsedByScript = false;
        ran = luaL_loadbuffer(L, chunk.data(), chunk.size(), "test") == 0 && lua_pcall(L, 0, 0, 0) == 0;
        model.setUsesRandomNumbers(Game::randWasUsedByScript);
        if (ran)
            model.buildFrames(L);
        lua_close(L);
    }
};

std::vector<float> verticesOf(VectorModel& m, int frame, int group) {
    int count = 0;
    VectorFrame* f = m.getMultiColorVectorFrame(frame)->getVectorFrame(group);
    float* v = f->getVertexes(&count);
    return std::vector<float>(v, v + count * f->getComponents());
}

}  // namespace

TEST(VectorModel, ReadsPointsLinesColoursAndModeOfEachFrame) {
    REQUIRE_GL();
    ScriptModel s(R"(
        graphic = {
            { points = { 0, 0, 30, 0, 30, 10 }, lines = { 0, 1, 1, 2 },
              colors = { { r = 255, g = 0, b = 0, a = 255 }, { r = 0, g = 255, b = 0, a = 128 } } },
            { points3D = { 0, 0, 0, 10, 20, 30 }, lines = { 0, 1 }, mode = 0 },
            { points = { 1, 2, 3, 4 }, points3D = { 9, 9, 9, 8, 8, 8 }, lines = { 0, 1 } },
        })");
    ASSERT_TRUE(s.ran);
    VectorModel& m = s.model;
    ASSERT_EQ(m.getNumberOfFrames(), 3);

    MultiColorVectorFrame* f0 = m.getMultiColorVectorFrame(0);
    ASSERT_EQ(f0->getNumberOfColors(), 2);
    Color green = f0->getVectorFrame(0)->getColor();
    EXPECT_FLOAT_EQ(green.g, 1.0f);
    EXPECT_FLOAT_EQ(green.a, 128 / 255.0f);
    EXPECT_EQ(f0->getVectorFrame(1)->getMode(), 1);
    EXPECT_EQ(m.getWidth(0), 30);
    EXPECT_EQ(m.getHeight(0), 10);

    VectorFrame* solid = m.getMultiColorVectorFrame(1)->getVectorFrame(0);
    EXPECT_TRUE(solid->getIs3D());
    EXPECT_EQ(solid->getMode(), 0);
    EXPECT_EQ(verticesOf(m, 1, 0), (std::vector<float>{0, 0, 0, 10, 20, 30}));

    // Both lists: the frame is 2-D and the 3-D points are ignored.
    EXPECT_FALSE(m.getMultiColorVectorFrame(2)->getVectorFrame(0)->getIs3D());
    EXPECT_EQ(verticesOf(m, 2, 0), (std::vector<float>{1, 2, 3, 4}));
}

TEST(VectorModel, MissingOrBrokenColourEntriesAreOpaqueWhite) {
    REQUIRE_GL();
    ScriptModel s(R"(
        graphic = { { points = { 0, 0, 1, 0, 2, 0, 3, 0, 4, 0 }, lines = { 0, 1, 1, 2, 2, 3, 3, 4 },
                      colors = { "red", { r = 10, g = 20, b = 30 }, { r = 0, g = 0, b = 0, a = 255 } } } })");
    ASSERT_TRUE(s.ran);
    MultiColorVectorFrame* f = s.model.getMultiColorVectorFrame(0);
    // black (line 3) and white (lines 1, 2 and the uncoloured 4)
    ASSERT_EQ(f->getNumberOfColors(), 2);
    Color white = f->getVectorFrame(1)->getColor();
    EXPECT_FLOAT_EQ(white.r, 1.0f);
    EXPECT_FLOAT_EQ(white.g, 1.0f);
    EXPECT_FLOAT_EQ(white.b, 1.0f);
    EXPECT_FLOAT_EQ(white.a, 1.0f);
    int count = 0;
    f->getVectorFrame(1)->getVertexes(&count);
    EXPECT_EQ(count, 6);
}

TEST(VectorModel, MalformedGraphicsNeverReadOutsideTheirLists) {
    REQUIRE_GL();
    ScriptModel s(R"(
        graphic = {
            "not a frame",
            { points = { 0, 0, 5, 5 }, lines = { 0, 7, 0, 1, 1 } },
            { lines = { 0, 1 } },
            { points = { 0, 0, 5 }, lines = { 0, 1, 1, 1 }, colors = 7 },
        })");
    ASSERT_TRUE(s.ran);
    VectorModel& m = s.model;
    ASSERT_EQ(m.getNumberOfFrames(), 4);
    EXPECT_EQ(m.getMultiColorVectorFrame(0)->getNumberOfColors(), 0);
    EXPECT_EQ(m.getMultiColorVectorFrame(1)->getNumberOfColors(), 1);
    EXPECT_EQ(verticesOf(m, 1, 0), (std::vector<float>{0, 0, 5, 5}));
    EXPECT_EQ(m.getMultiColorVectorFrame(2)->getNumberOfColors(), 0);
    EXPECT_EQ(m.getWidth(2), 0);
    EXPECT_EQ(m.getMultiColorVectorFrame(3)->getNumberOfColors(), 0);
    for (int f = -1; f <= 4; f++) {
        m.draw(f);
        m.drawWithAlpha(0.5f, f);
        m.drawWithoutColor(f);
    }
}

TEST(VectorModel, FailingScriptGivesAModelWithoutFramesThatIsSafeEverywhere) {
    REQUIRE_GL();
    const char* broken[] = {"graphic = { { points = { 0, 0 } } } error('broken')", "graphic = ", "graphic = 5",
                            "x = 1"};
    for (const char* chunk : broken) {
        ScriptModel s(chunk);
        EXPECT_EQ(s.model.getNumberOfFrames(), 0) << chunk;
    }
    VectorModel* missing = VectorModel::loadFromLuaScript("/data/graphics/no such graphic.lua");
    ASSERT_NE(missing, nullptr);
    EXPECT_EQ(missing->getNumberOfFrames(), 0);
    EXPECT_EQ(missing->getMultiColorVectorFrame(0), nullptr);
    EXPECT_EQ(missing->getWidth(0), 0);
    EXPECT_EQ(missing->getHeight(-1), 0);
    missing->draw(0);
    missing->drawWithAlpha(1.0f, 3);
    missing->drawWithoutColor(-7);
    EXPECT_EQ(graphicstest::readPixels().litCount(), 0);
}

TEST(VectorModel, OutOfRangeFrameNumbersDrawNothing) {
    REQUIRE_GL();
    VectorModel* grid = VectorModel::loadFromLuaScript("/data/graphics/grid.lua");
    ASSERT_EQ(grid->getNumberOfFrames(), 1);
    glTranslatef(500.0f, 300.0f, 0.0f);
    grid->draw(1);
    grid->draw(-1);
    grid->drawWithAlpha(1.0f, 99);
    grid->drawWithoutColor(1 << 30);
    EXPECT_EQ(graphicstest::readPixels().litCount(), 0);
    grid->draw(0);
    EXPECT_GT(graphicstest::readPixels().litCount(), 1000);
}

TEST(VectorModel, CacheSharesModelsAndDropsOnlyTheRandomOnes) {
    REQUIRE_GL();
    VectorModel* sticks = VectorModel::loadFromLuaScript("/data/graphics/joystickGraphic.lua");
    // A model that nothing holds between draws: the game holds the grid and
    // the sticks' models, which must not be dropped under it.
    VectorModel* ring = VectorModel::loadFromLuaScript("/data/graphics/shipSelectionBaseGraphic.lua");
    EXPECT_EQ(VectorModel::loadFromLuaScript("/data/graphics/joystickGraphic.lua"), sticks);
    EXPECT_FALSE(sticks->getUsesRandomNumbers());
    EXPECT_EQ(sticks->getFileName(), "/data/graphics/joystickGraphic.lua");

    VectorModel* kept = ring;
    ring->setUsesRandomNumbers(true);
    VectorModel::deleteVMThatUsesRandomNumbers();
    EXPECT_EQ(VectorModel::loadFromLuaScript("/data/graphics/joystickGraphic.lua"), sticks);
    VectorModel* rebuilt = VectorModel::loadFromLuaScript("/data/graphics/shipSelectionBaseGraphic.lua");
    EXPECT_EQ(rebuilt->getNumberOfFrames(), 1);
    EXPECT_FALSE(rebuilt->getUsesRandomNumbers());  // the script itself draws none

    // A static variable that already holds a model keeps it, even a dropped one.
    VectorModel* variable = kept;
    VectorModel::loadFromLuaScriptInStaticVar("/data/graphics/shipSelectionBaseGraphic.lua", &variable);
    EXPECT_EQ(variable, kept);
    VectorModel* empty = nullptr;
    VectorModel::loadFromLuaScriptInStaticVar("/data/graphics/shipSelectionBaseGraphic.lua", &empty);
    EXPECT_EQ(empty, rebuilt);
}

TEST(VectorModel, RandomGraphicRepeatsExactlyForTheSameSeed) {
    REQUIRE_GL();
    const std::string chunk = R"(
        require "/data/functions/commonGraphicFunctions"
        graphic = new2DGraphic(1)
        graphic[1].mode = 0
        addRandomPoints(graphic[1], 50, -100, -100, 100, 100, getColor(255, 255, 255)))";
    Game::mtRand.seed(1234);
    ScriptModel first(chunk);
    ASSERT_TRUE(first.ran);
    EXPECT_TRUE(first.model.getUsesRandomNumbers());
    std::vector<float> a = verticesOf(first.model, 0, 0);
    ASSERT_EQ(a.size(), 200u);

    Game::mtRand.seed(1234);
    ScriptModel again(chunk);
    EXPECT_EQ(verticesOf(again.model, 0, 0), a);

    Game::mtRand.seed(99);
    ScriptModel other(chunk);
    EXPECT_NE(verticesOf(other.model, 0, 0), a);
    for (float v : a) {
        EXPECT_GE(v, -100.0f);
        EXPECT_LE(v, 100.0f);
    }
}
