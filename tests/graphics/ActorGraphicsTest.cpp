// The player side's graphic scripts have the shapes the actors rely on: ship
// models with colours and size, directed bullets whose frame k points at
// 2k - 180 degrees, the ram's reach, the link's length, the blast's size;
// only the link draws random numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/Game.h"
#include "graphics/VectorModel.h"
#include "support/GraphicsTestSupport.h"

namespace {

struct Extent {
    float minX = 1e9f, maxX = -1e9f, minY = 1e9f, maxY = -1e9f, maxZ = 0.0f;
};

// The vertices of one frame, colour group after colour group, as (x, y, z).
std::vector<float> vertices(VectorModel& m, int frame) {
    std::vector<float> out;
    MultiColorVectorFrame* f = m.getMultiColorVectorFrame(frame);
    for (int k = 0; k < f->getNumberOfColors(); k++) {
        VectorFrame* v = f->getVectorFrame(k);
        int count = 0;
        float* p = v->getVertexes(&count);
        int c = v->getComponents();
        for (int i = 0; i < count; i++) {
            out.push_back(p[i * c]);
            out.push_back(p[i * c + 1]);
            out.push_back(c == 3 ? p[i * c + 2] : 0.0f);
        }
    }
    return out;
}

Extent extentOf(VectorModel& m, int frame) {
    Extent e;
    std::vector<float> v = vertices(m, frame);
    for (size_t i = 0; i < v.size(); i += 3) {
        e.minX = std::min(e.minX, v[i]);
        e.maxX = std::max(e.maxX, v[i]);
        e.minY = std::min(e.minY, v[i + 1]);
        e.maxY = std::max(e.maxY, v[i + 1]);
        e.maxZ = std::max(e.maxZ, std::fabs(v[i + 2]));
    }
    return e;
}

// Every line of the frame in white, in one colour group.
bool allWhite(VectorModel& m, int frame) {
    MultiColorVectorFrame* f = m.getMultiColorVectorFrame(frame);
    if (f->getNumberOfColors() != 1)
        return false;
    Color c = f->getVectorFrame(0)->getColor();
    return c.r == 1.0f && c.g == 1.0f && c.b == 1.0f && c.a == 1.0f;
}

}  // namespace

TEST(ActorGraphics, ShipModelsZeroToEight) {
    REQUIRE_GL();
    VectorModel ships("/data/graphics/shipGraphic.lua");
    ASSERT_EQ(ships.getNumberOfFrames(), 9);
    for (int f = 0; f < 9; f++) {
        EXPECT_GE(ships.getMultiColorVectorFrame(f)->getNumberOfColors(), 2) << "model " << f;
        Extent e = extentOf(ships, f);
        EXPECT_NEAR(e.maxX - e.minX, 25.0f, 5.0f) << "model " << f;
        EXPECT_GT(e.maxX, 10.0f) << "model " << f << " points along +x";
        EXPECT_NEAR(e.maxY, -e.minY, 0.5f) << "model " << f << " is symmetric";
        for (int g = 0; g < f; g++)
            EXPECT_NE(vertices(ships, f), vertices(ships, g)) << f << " looks like " << g;
    }
}

TEST(ActorGraphics, UltimateShipSpinningPartAndBody) {
    REQUIRE_GL();
    VectorModel ship("/data/graphics/ultimateShip.lua");
    ASSERT_EQ(ship.getNumberOfFrames(), 2);
    Extent fins = extentOf(ship, 0), body = extentOf(ship, 1);
    EXPECT_TRUE(ship.getMultiColorVectorFrame(0)->getVectorFrame(0)->getIs3D());
    EXPECT_NEAR(fins.maxZ, 14.0f, 1.0f) << "fins stand out of the plane";
    EXPECT_NEAR(std::max(body.maxX, -body.minX), 20.0f, 2.0f);
}

TEST(ActorGraphics, RamReachesSixtyAheadAndThirtyAcross) {
    REQUIRE_GL();
    VectorModel ram("/data/graphics/ramGraphic.lua");
    ASSERT_EQ(ram.getNumberOfFrames(), 1);
    Extent e = extentOf(ram, 0);
    EXPECT_NEAR(e.maxX, 60.0f, 5.0f);
    EXPECT_GT(e.minX, 0.0f) << "ahead of the ship";
    EXPECT_EQ(e.maxY, 30.0f);
    EXPECT_EQ(e.minY, -30.0f);
}

TEST(ActorGraphics, BulletFrameKPointsAtTwoKMinus180Degrees) {
    REQUIRE_GL();
    for (const char* script : {"/data/graphics/bulletGraphic.lua", "/data/graphics/bulletGraphic2.lua",
                               "/data/graphics/bulletGraphic3.lua"}) {
        VectorModel m(script);
        ASSERT_EQ(m.getNumberOfFrames(), 180) << script;
        std::vector<float> east = vertices(m, 90);
        // Frame 90 points along +x: its points on the axis (tips) lie
        // ahead of those off it (the arms' ends).
        float onAxis = 0, offAxis = 0;
        int on = 0, off = 0;
        for (size_t i = 0; i < east.size(); i += 3) {
            if (east[i + 1] == 0.0f) {
                onAxis += east[i];
                on++;
            } else {
                offAxis += east[i];
                off++;
            }
        }
        ASSERT_GT(on, 0);
        ASSERT_GT(off, 0);
        EXPECT_GT(onAxis / on, offAxis / off) << script;
        for (int k = 0; k < 180; k++) {
            EXPECT_TRUE(allWhite(m, k)) << script << " frame " << k;
            std::vector<float> v = vertices(m, k);
            ASSERT_EQ(v.size(), east.size()) << script << " frame " << k;
            double a = (2 * k - 180) * M_PI / 180;
            float worst = 0.0f;
            for (size_t i = 0; i < v.size(); i += 3) {
                float x = (float)(east[i] * std::cos(a) - east[i + 1] * std::sin(a));
                float y = (float)(east[i] * std::sin(a) + east[i + 1] * std::cos(a));
                worst = std::max(worst, std::hypot(v[i] - x, v[i + 1] - y));
            }
            EXPECT_LT(worst, 1.5f) << script << " frame " << k << " is frame 90 turned";
        }
    }
}

TEST(ActorGraphics, FusionSpindleLinkAndBlastAreWhite) {
    REQUIRE_GL();
    VectorModel spindle("/data/graphics/bossMirrorBulletGraphic.lua");
    ASSERT_EQ(spindle.getNumberOfFrames(), 1);
    EXPECT_TRUE(allWhite(spindle, 0));
    Extent s = extentOf(spindle, 0);
    EXPECT_EQ(s.maxX, -s.minX) << "alike at both ends: it is drawn turned half a turn";

    VectorModel blast("/data/graphics/bombGraphic.lua");
    ASSERT_EQ(blast.getNumberOfFrames(), 1);
    EXPECT_TRUE(allWhite(blast, 0));
    Extent b = extentOf(blast, 0);
    EXPECT_NEAR(b.maxX - b.minX, 1000.0f, 20.0f);

    Game::mtRand.seed(5);
    VectorModel link("/data/entities/wallGraphic.lua");
    EXPECT_TRUE(link.getUsesRandomNumbers());
    ASSERT_GE(link.getNumberOfFrames(), 30);
    for (int f = 0; f < 30; f++) {
        EXPECT_TRUE(allWhite(link, f)) << f;
        Extent e = extentOf(link, f);
        EXPECT_NEAR(e.maxX, 382.0f, 1.0f);
        EXPECT_NEAR(e.minX, -382.0f, 1.0f);
        EXPECT_LE(std::max(e.maxY, -e.minY), 30.0f);
    }
    Game::mtRand.seed(6);
    VectorModel other("/data/entities/wallGraphic.lua");
    EXPECT_NE(vertices(link, 0), vertices(other, 0)) << "each game shows other bolts";
}

TEST(ActorGraphics, OnlyTheLinkDrawsRandomNumbers) {
    REQUIRE_GL();
    for (const char* script :
         {"/data/graphics/shipGraphic.lua", "/data/graphics/ultimateShip.lua", "/data/graphics/ramGraphic.lua",
          "/data/graphics/bulletGraphic.lua", "/data/graphics/bulletGraphic2.lua", "/data/graphics/bulletGraphic3.lua",
          "/data/graphics/bossMirrorBulletGraphic.lua", "/data/graphics/bombGraphic.lua"}) {
        VectorModel m(script);
        EXPECT_GT(m.getNumberOfFrames(), 0) << script;
        EXPECT_FALSE(m.getUsesRandomNumbers()) << script;
    }
}
