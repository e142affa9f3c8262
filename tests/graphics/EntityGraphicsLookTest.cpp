// Renders the graphics of the shared level entities (arrow, cannon, pulsar,
// ring, spot, disk rim), with their frames side by side, into
// build/graphics-look/entity-graphics.png for a person to look at.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "graphics/VectorModel.h"
#include "support/GraphicsTestSupport.h"

TEST(GraphicsLook, SharedEntityGraphics) {
    REQUIRE_GL();
    struct Row {
        const char* path;
        int frames;  // frames shown, from 0
        float scale;
    } rows[] = {
        {"/data/entities/arrowGraphic.lua", 1, 2.0f},  {"/data/entities/cannonGraphic.lua", 2, 1.5f},
        {"/data/entities/pulsarGraphic.lua", 8, 1.0f}, {"/data/entities/ringGraphic.lua", 1, 0.45f},
        {"/data/entities/spotGraphic.lua", 9, 0.9f},   {"/data/entities/solidDiskGraphic.lua", 1, 0.45f},
    };
    float y = 550.0f;
    int drawn = 0;
    for (const Row& row : rows) {
        VectorModel* model = VectorModel::loadFromLuaScript(row.path);
        ASSERT_GE(model->getNumberOfFrames(), row.frames) << row.path;
        for (int f = 0; f < row.frames; f++) {
            glPushMatrix();
            glTranslatef(60.0f + 110.0f * f, y, 0.0f);
            glScalef(row.scale, row.scale, row.scale);
            model->draw(f);
            glPopMatrix();
            drawn++;
        }
        y -= 95.0f;
    }
    graphicstest::Pixels p = graphicstest::readPixels();
    EXPECT_GT(p.litCount(), 100 * drawn);
    std::string dir = std::string(ZORBIX_BINARY_DIR) + "/graphics-look";
    mkdir(dir.c_str(), 0755);
    EXPECT_TRUE(graphicstest::writePng(p, dir + "/entity-graphics.png"));
}
