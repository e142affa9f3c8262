// Renders the font sample and the first screen over the background grid and
// writes them as PNG files (build/graphics-look/) for a person to look at.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "core/Device.h"
#include "core/Game.h"
#include "graphics/DrawString.h"
#include "support/GraphicsTestSupport.h"
#include "support/StateGuards.h"

namespace {

std::string lookFile(const char* name) {
    std::string dir = std::string(ZORBIX_BINARY_DIR) + "/graphics-look";
    mkdir(dir.c_str(), 0755);
    return dir + "/" + name;
}

}  // namespace

TEST(GraphicsLook, FontSampleInSeveralSizesAndColours) {
    REQUIRE_GL();
    DrawString* ds = DrawString::getInstance();
    const char* lines[] = {
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ",
        "abcdefghijklmnopqrstuvwxyz",
        "0123456789 .,!:\"/-+()@?'$;_[]{}#\x08*=~<>|%\xef\x01",
        "^1Red ^2Green ^3Yellow ^4Blue ^5Cyan ^6Magenta ^7White ^8Orange ^9Grey",
        "^uBronze ^;Silver ^[Gold ^xPlay again? ^rShield: 3 ^dTi^$rlo ^AScore: 12,340",
        "^3Zorbix 2 - ^7The quick brown fox jumps over the lazy dog.",
    };
    float y = 580.0f;
    const float scales[] = {1.0f, 0.75f, 1.5f};
    for (float scale : scales) {
        for (const char* line : lines) {
            glPushMatrix();
            glTranslatef(10.0f, y, 0.0f);
            glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
            ds->draw(line, scale);
            glPopMatrix();
            y -= 30.0f * scale;
        }
        y -= 10.0f;
    }
    graphicstest::Pixels p = graphicstest::readPixels();
    EXPECT_GT(p.litCount(), 20000);
    EXPECT_TRUE(graphicstest::writePng(p, lookFile("font.png")));
}

TEST(GraphicsLook, FirstScreenOverTheBackgroundGrid) {
    ASSERT_TRUE(graphicstest::ensureGlContext());
    graphicstest::resetGlState();
    DeviceGuard device;
    Device::setScreenSize(graphicstest::kSurfaceHeight, graphicstest::kSurfaceWidth);
    Game* game = Game::getInstance();
    // Some way into the grid's slow turn.
    Game::frame = 400;
    game->draw();
    graphicstest::Pixels p = graphicstest::readPixels();
    EXPECT_GT(p.litCount(), 20000);
    EXPECT_TRUE(graphicstest::writePng(p, lookFile("grid.png")));
}
