// Hostile input for every graphics entry point: garbage graphics and texts must
// draw what they can and never read outside their arrays.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <string>

#include "graphics/DrawString.h"
#include "graphics/OptimizedStringModel.h"
#include "graphics/VectorModel.h"
#include "script/LuaRuntime.h"
#include "support/GraphicsTestSupport.h"

TEST(GraphicsInvalidInput, ExtremeNumbersAndWrongTypesInAGraphic) {
    REQUIRE_GL();
    VectorModel* model = new VectorModel("/data/no such script.lua");
    lua_State* L = luaL_newstate();
    luaL_openlibs(L);
    ASSERT_EQ(luaL_dostring(L, R"(
        local big = 2147483647
        local small = -2147483647 - 1
        graphic = {
            { points = { big, small, small, big }, lines = { 0, 1, big, small, small, 0, 1, big } },
            { points = { 0, 0, 1, 1 }, lines = { "0", 1, {}, 0, 0, 1 }, colors = { { r = "x", g = {}, b = 5, a = 255 } } },
            { points = { 0, 0, 3, 3 }, lines = { 0, 1 }, mode = big,
              colors = { { r = big, g = small, b = -1, a = 99999 } } },
            { points = {}, points3D = { 1, 2 }, lines = { 0, 0 } },
            { points = "0, 0, 1, 1", lines = "0, 1" },
            true, 42, function() end,
        })"),
              0);
    model->buildFrames(L);
    lua_close(L);
    ASSERT_EQ(model->getNumberOfFrames(), 8);
    EXPECT_EQ(model->getMultiColorVectorFrame(0)->getNumberOfColors(), 1);
    EXPECT_EQ(model->getWidth(0), INT_MAX);  // saturated, not overflowed
    // A colour far outside 0..255 is clamped into the displayable range.
    Color c = model->getMultiColorVectorFrame(2)->getVectorFrame(0)->getColor();
    EXPECT_EQ(c.r, 1.0f);
    EXPECT_EQ(c.g, 0.0f);
    EXPECT_EQ(c.b, 0.0f);
    EXPECT_EQ(c.a, 1.0f);
    EXPECT_EQ(model->getMultiColorVectorFrame(3)->getNumberOfColors(), 0);  // half a 3-D point
    for (int f = 0; f < 9; f++) {
        model->draw(f);
        model->drawWithAlpha(0.3f, f);
        model->drawWithoutColor(f);
        model->getWidth(f);
    }
    glGetError();  // a hostile mode is refused by GL, nothing more
    delete model;
}

TEST(GraphicsInvalidInput, EveryByteAndRandomGarbageAsText) {
    REQUIRE_GL();
    DrawString* ds = DrawString::getInstance();
    std::string everyByte;
    for (int c = 1; c < 256; c++)
        everyByte += (char)c;
    everyByte += '\0';
    everyByte += "^";
    srand(5);
    std::string texts[12] = {everyByte, "^", "^^", "^^^", "^\xff", "\xef\x08^"};
    for (int k = 6; k < 12; k++)
        for (int i = 0; i < 200; i++)
            texts[k] += (char)(rand() % 256);
    for (const std::string& text : texts) {
        ds->draw(text, 0.5f);
        ds->drawWithAlpha(text, 0.5f, 0.5f);
        int width = ds->getStringWidth(text);
        EXPECT_GE(width, -4);
        OptimizedStringModel baked(text);
        baked.draw();
        baked.setString(text + "x");
        baked.drawWithAlpha(0.2f);
        EXPECT_GE(baked.getWidth(), 0);
    }
    for (int c = 0; c < 256; c++)
        ds->drawCharacterWithoutColor((unsigned char)c);
}
