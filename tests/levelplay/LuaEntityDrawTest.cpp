// How a script entity draws: hidden or empty entities draw nothing, the
// custom colour replaces the model's and the text's own, and a zoom of
// exactly 1.0 cancels an earlier scale.
#include <GLES/gl.h>
#include <gtest/gtest.h>

#include <string>

#include "ModuleWorld.h"
#include "levelplay/LuaEntity.h"
#include "support/GraphicsTestSupport.h"

namespace {

struct Box {
    int minX = 1 << 30, minY = 1 << 30, maxX = -1, maxY = -1, lit = 0;
    int width() const { return maxX - minX; }
    int height() const { return maxY - minY; }
};

// Lit pixels with what `keep` accepts, and their bounding box.
template <class Keep>
Box litBox(const graphicstest::Pixels& p, Keep keep) {
    Box b;
    for (int y = 0; y < p.height; y++)
        for (int x = 0; x < p.width; x++) {
            const unsigned char* c = p.at(x, y);
            if (!(c[0] || c[1] || c[2]) || !keep(c))
                continue;
            b.lit++;
            b.minX = std::min(b.minX, x);
            b.maxX = std::max(b.maxX, x);
            b.minY = std::min(b.minY, y);
            b.maxY = std::max(b.maxY, y);
        }
    return b;
}

Box litBox(const graphicstest::Pixels& p) {
    return litBox(p, [](const unsigned char*) { return true; });
}

}  // namespace

class LuaEntityDraw : public ModuleWorld {
protected:
    // Draws only this entity into a cleared frame.
    graphicstest::Pixels drawAlone(LuaEntity* e) {
        graphicstest::resetGlState();
        e->draw();
        return graphicstest::readPixels();
    }
    LuaEntity* make(const std::string& setup) {
        EXPECT_EQ(run("e = zorbix.newLuaEntity(400, 300) " + setup), "");
        return object<LuaEntity>("e");
    }
};

TEST_F(LuaEntityDraw, HiddenOrEmptyDrawsNothing) {
    struct Row {
        const char* setup;
        bool drawn;
    } rows[] = {
        {"", false},
        {"zorbix.setLuaEntityText(e, 'AB') zorbix.setLuaEntityText(e, '')", false},
        {"zorbix.setLuaEntityText(e, 'AB')", true},
        {"zorbix.setLuaEntityText(e, 'AB') zorbix.setLuaEntityHidden(e, true)", false},
        {"zorbix.setLuaEntityVectorModel(e, zorbix.getGraphic('/data/graphics/joystickGraphic.lua'))", true},
        {"zorbix.setLuaEntityVectorModel(e, zorbix.getGraphic('/data/graphics/joystickGraphic.lua')) "
         "zorbix.setLuaEntityHidden(e, 1)",
         false},
        {"zorbix.setLuaEntityVectorModel(e, zorbix.getGraphic('/data/graphics/joystickGraphic.lua')) "
         "zorbix.setLuaEntityFrame(e, 3)",
         false},
        {"zorbix.setLuaEntityVectorModel(e, zorbix.getGraphic('/data/graphics/joystickGraphic.lua')) "
         "zorbix.setLuaEntityFrame(e, -1)",
         false},
    };
    for (const Row& r : rows) {
        LuaEntity* e = make(r.setup);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(litBox(drawAlone(e)).lit > 0, r.drawn) << r.setup;
    }
}

TEST_F(LuaEntityDraw, CustomColourReplacesTheOwnColours) {
    // "^1" makes the text red; the model's own colours are not green only.
    LuaEntity* text = make("zorbix.setLuaEntityText(e, '^1ABC')");
    auto red = [](const unsigned char* c) { return c[0] > 2 * c[1] && c[0] > 2 * c[2]; };
    auto green = [](const unsigned char* c) { return c[1] > 100 && c[0] == 0 && c[2] == 0; };
    Box own = litBox(drawAlone(text));
    EXPECT_GT(own.lit, 20);
    EXPECT_EQ(litBox(drawAlone(text), red).lit, own.lit);
    ASSERT_EQ(run("zorbix.setLuaEntityColor(e, 0, 255, 0, 255)"), "");
    EXPECT_EQ(litBox(drawAlone(text), green).lit, own.lit);

    LuaEntity* model =
        make("zorbix.setLuaEntityVectorModel(e, zorbix.getGraphic('/data/graphics/joystickGraphic.lua'))");
    Box modelOwn = litBox(drawAlone(model));
    EXPECT_LT(litBox(drawAlone(model), green).lit, modelOwn.lit);
    ASSERT_EQ(run("zorbix.setLuaEntityColor(e, 0, 255, 0, 255) zorbix.setLuaEntityText(e, 'X')"), "");
    Box both = litBox(drawAlone(model));
    EXPECT_GT(both.lit, modelOwn.lit);
    EXPECT_EQ(litBox(drawAlone(model), green).lit, both.lit);
}

TEST_F(LuaEntityDraw, ZoomOfOneCancelsTheScale) {
    LuaEntity* e = make("zorbix.setLuaEntityVectorModel(e, zorbix.getGraphic('/data/graphics/joystickGraphic.lua'))");
    Box plain = litBox(drawAlone(e));
    ASSERT_GT(plain.width(), 50);
    ASSERT_EQ(run("zorbix.setLuaEntityScale(e, 510, 510, 510)"), "");
    Box scaled = litBox(drawAlone(e));
    EXPECT_NEAR(scaled.width(), 2 * plain.width(), 4);
    ASSERT_EQ(run("zorbix.setLuaEntityZoom(e, 255)"), "");
    Box unscaled = litBox(drawAlone(e));
    EXPECT_EQ(unscaled.width(), plain.width());
    EXPECT_EQ(unscaled.height(), plain.height());
    EXPECT_EQ(unscaled.lit, plain.lit);
    // Any other zoom scales all three axes.
    ASSERT_EQ(run("zorbix.setLuaEntityZoom(e, 128)"), "");
    EXPECT_NEAR(litBox(drawAlone(e)).width(), plain.width() / 2, 3);
    // A turn of 90 degrees about z swaps the extents of the stick's pointer.
    ASSERT_EQ(run("zorbix.setLuaEntityZoom(e, 255) zorbix.setLuaEntityAngle(e, 90)"), "");
    Box turned = litBox(drawAlone(e));
    EXPECT_NEAR(turned.width(), plain.height(), 2);
    EXPECT_NEAR(turned.height(), plain.width(), 2);
}
