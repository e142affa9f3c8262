// Textured flashes: adding, fading, removal order and the fixed capacity.
#include <gtest/gtest.h>

#include "core/Device.h"
#include "graphics/TexturedExplosionsHandler.h"
#include "savedata/Preferences.h"
#include "support/HeadlessGame.h"
#include "support/StateGuards.h"
#include "support/TempGameDir.h"

namespace {

class Flashes : public ::testing::Test {
protected:
    void SetUp() override {
        h = TexturedExplosionsHandler::getInstance();
        h->reset();
        h->enabled = true;
    }
    void TearDown() override {
        h->reset();
        h->enabled = false;
    }
    void expectColour(int i, int r, int g, int b, int a) {
        const unsigned char* c = h->getColourBytes(i);
        for (int v = 0; v < 6; v++) {
            EXPECT_EQ(c[4 * v], r) << i;
            EXPECT_EQ(c[4 * v + 1], g) << i;
            EXPECT_EQ(c[4 * v + 2], b) << i;
            EXPECT_EQ(c[4 * v + 3], a) << i;
        }
    }
    TexturedExplosionsHandler* h;
};

TEST_F(Flashes, DisabledAddsOnlyTheByteForm) {
    h->enabled = false;
    h->addExplosion(Coord(0, 0, 0), Color(1, 0, 0), 1.0f);
    h->addExplosion(Coord(0, 0, 0), 2, 1.0f);
    EXPECT_EQ(h->getCount(), 0);
    h->addExplosion(Coord(0, 0, 0), 1, 2, 3, 1.0f);
    EXPECT_EQ(h->getCount(), 1);
    expectColour(0, 1, 2, 3, 255);
}

TEST_F(Flashes, IndexColoursAndClampedComponents) {
    h->addExplosion(Coord(0, 0, 0), 0, 1.0f);
    h->addExplosion(Coord(0, 0, 0), 2, 1.0f);
    h->addExplosion(Coord(0, 0, 0), 42, 1.0f);
    h->addExplosion(Coord(0, 0, 0), Color(2.0f, -1.0f, 0.5f), 1.0f);
    expectColour(0, 255, 76, 76, 255);
    expectColour(1, 0, 153, 255, 255);
    expectColour(2, 255, 255, 255, 255);
    expectColour(3, 255, 0, 127, 255);
    EXPECT_FLOAT_EQ(h->get(0).size, (float)(2.0 / 7.5));
    EXPECT_EQ(h->get(0).life, 15);
}

TEST_F(Flashes, GrowFadeAndGoInSixteenUpdates) {
    h->addExplosion(Coord(0, 0, 0), 10, 20, 30, 3.0f);
    float growth = h->get(0).growth;
    int expectedAlpha[] = {255, 255, 255, 255, 255, 229, 203, 177, 151, 125, 99, 73, 47, 21, 0};
    for (int k = 1; k <= 15; k++) {
        h->update();
        ASSERT_EQ(h->getCount(), 1);
        EXPECT_FLOAT_EQ(h->get(0).size, (k + 1) * growth);
        expectColour(0, 10, 20, 30, expectedAlpha[k - 1]);
    }
    h->update();
    EXPECT_EQ(h->getCount(), 0);
}

TEST_F(Flashes, RemovingTheFirstMovesTheLastWithItsColours) {
    h->addExplosion(Coord(1, 0, 0), 1, 1, 1, 1.0f);
    h->update();
    h->addExplosion(Coord(2, 0, 0), 2, 2, 2, 1.0f);
    h->addExplosion(Coord(3, 0, 0), 3, 3, 3, 1.0f);
    for (int i = 0; i < 15; i++)
        h->update();
    // The first expired in this update; the third took its slot with its
    // colours and skipped this update, one step behind the second.
    ASSERT_EQ(h->getCount(), 2);
    EXPECT_EQ(h->get(0).position.x, 3.0f);
    EXPECT_EQ(h->get(0).life, 1);
    EXPECT_EQ(h->get(1).life, 0);
    expectColour(0, 3, 3, 3, 21);
    expectColour(1, 2, 2, 2, 0);
}

TEST_F(Flashes, BeyondTheCapacityFlashesAreDropped) {
    for (int i = 0; i < 250; i++)
        h->addExplosion(Coord((float)i, 0, 0), (unsigned char)i, 0, 0, 1.0f);
    EXPECT_EQ(h->getCount(), TexturedExplosionsHandler::CAPACITY);
    expectColour(99, 99, 0, 0, 255);
    // Flashes moved into a freed slot skip that update, so a full set
    // empties over a few more steps than one flash's life.
    for (int i = 0; i < 30; i++)
        h->update();
    EXPECT_EQ(h->getCount(), 0);
    h->addExplosion(Coord(0, 0, 0), 7, 7, 7, 1.0f);
    EXPECT_EQ(h->getCount(), 1);
}

}  // namespace

namespace {

// The Game connects the setting to the flashes when it is made.
TEST(FlashesSetting, FollowsTheLightSettingWhereTheDeviceAllowsIt) {
    startHeadlessLoop();
    TempGameDir dir;
    Preferences* prefs = Preferences::getInstance();
    DeviceGuard device;
    SavedValue<bool> flashes(TexturedExplosionsHandler::getInstance()->enabled);
    bool saved = prefs->getLightEnabled();
    OnExit restoreLight([prefs, saved] { prefs->setLightEnabled(saved); });
    Device::enableExplosionTextures = true;
    prefs->setLightEnabled(true);
    EXPECT_TRUE(TexturedExplosionsHandler::getInstance()->enabled);
    prefs->setLightEnabled(false);
    EXPECT_FALSE(TexturedExplosionsHandler::getInstance()->enabled);
    Device::enableExplosionTextures = false;
    prefs->setLightEnabled(true);
    EXPECT_FALSE(TexturedExplosionsHandler::getInstance()->enabled);
}

}  // namespace
