// Renders the seeded test world and both stick styles headless and writes
// them as PNG files (build/graphics-look/) for a person to look at.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <string>

#include "core/Device.h"
#include "savedata/Preferences.h"
#include "support/GraphicsTestSupport.h"
#include "support/StateGuards.h"
#include "support/TempGameDir.h"
#include "support/WorldTestScene.h"

namespace {

std::string lookFile(const char* name) {
    std::string dir = std::string(ZORBIX_BINARY_DIR) + "/graphics-look";
    mkdir(dir.c_str(), 0755);
    return dir + "/" + name;
}

// Disks draw nothing in play (levels draw their own graphics); the picture
// outlines them so that every kind of wall shows.
void outlineCircle(float cx, float cy, float r, float g) {
    float v[128];
    for (int i = 0; i < 64; i++) {
        v[2 * i] = cx + r * std::cos(i * 2 * M_PI / 64);
        v[2 * i + 1] = cy + r * std::sin(i * 2 * M_PI / 64);
    }
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glColor4f(0.3f, g, 1.0f, 1.0f);
    glVertexPointer(2, GL_FLOAT, 0, v);
    glDrawArrays(GL_LINE_LOOP, 0, 64);
}

int countPixels(const graphicstest::Pixels& p, bool (*pick)(const unsigned char*)) {
    int n = 0;
    for (int y = 0; y < p.height; y++)
        for (int x = 0; x < p.width; x++)
            if (pick(p.at(x, y)))
                n++;
    return n;
}

}  // namespace

TEST(WorldLook, ArenaWithMoversExplosionsAndFlashes) {
    REQUIRE_GL();
    Explosion::calcTheVertexes(false);
    TexturedExplosionsHandler* flashes = TexturedExplosionsHandler::getInstance();
    {
        scene::World world(2026);
        // After the world: loading the preferences applies the light setting.
        flashes->enabled = true;
        for (int i = 0; i < 700; i++)
            world.step(i);
        EXPECT_GT(flashes->getCount(), 0);
        // The whole 2000 x 1500 arena, scaled into the frame.
        glPushMatrix();
        glTranslatef(112.0f, 0.0f, 0.0f);
        glScalef(0.4f, 0.4f, 1.0f);
        world.partition->draw();
        outlineCircle(1000, 750, 90, 0.3f);
        outlineCircle(450, 1100, 60, 0.3f);
        outlineCircle(1000, 750, 720, 0.8f);
        Entity::drawAll(0.0f, 0.0f, 1.0f);
        flashes->draw();
        glPopMatrix();
        graphicstest::Pixels p = graphicstest::readPixels();
        EXPECT_TRUE(graphicstest::writePng(p, lookFile("world.png")));
        int red = countPixels(p, [](const unsigned char* c) { return c[0] > 200 && c[1] < 60 && c[2] < 60; });
        int other = countPixels(p, [](const unsigned char* c) { return c[1] > 100; });
        EXPECT_GT(red, 3000) << "the quad walls";
        EXPECT_GT(other, 3000) << "movers, sparks and flashes";
    }
    flashes->enabled = false;
    flashes->reset();
}

TEST(WorldLook, BothStickStyles) {
    REQUIRE_GL();
    TempGameDir dir;
    DeviceGuard device;
    Device::setScreenSize(graphicstest::kSurfaceWidth, graphicstest::kSurfaceHeight);
    Preferences* prefs = Preferences::getInstance();
    int style = prefs->getJoystickStyle();
    for (int s : {1, 0}) {
        prefs->setJoystickStyle(s);
        Joysticks j;
        j.init();
        int tx[2] = {j.lowStickCentre.x + 60, j.highStickCentre.x - 20};
        int ty[2] = {j.lowStickCentre.y + 10, j.highStickCentre.y - 70};
        j.update(tx, ty);
        glPushMatrix();
        glTranslatef(s == 1 ? -200.0f : 200.0f, 0.0f, 0.0f);
        j.draw();
        glPopMatrix();
    }
    prefs->setJoystickStyle(style);
    graphicstest::Pixels p = graphicstest::readPixels();
    EXPECT_TRUE(graphicstest::writePng(p, lookFile("sticks.png")));
    EXPECT_GT(p.litCount(), 1000);
}
