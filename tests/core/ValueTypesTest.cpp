// Coord and Color arithmetic, including the zero vector.
#include <gtest/gtest.h>

#include <cmath>

#include "core/Color.h"
#include "core/Coord.h"

TEST(Coord, NormalizeRotateAndAngles) {
    Coord c(3, 4, 7);
    EXPECT_FLOAT_EQ(c.normalize(), 5.0f);
    EXPECT_FLOAT_EQ(c.x, 0.6f);
    EXPECT_FLOAT_EQ(c.y, 0.8f);
    EXPECT_EQ(c.z, 7.0f);

    Coord fast(3, 4, 0);
    fast.fastNormalize();
    EXPECT_NEAR(fast.length(), 1.0f, 0.002f);

    Coord r(1, 0, 0);
    r.rotate();
    EXPECT_TRUE(r.equals(Coord(0, -1, 0)));
    r.rotate();
    r.rotate();
    r.rotate();
    EXPECT_TRUE(r.equals(Coord(1, 0, 0)));

    Coord a(0, 0, 9);
    a.initFromAngle(0.0f, 5.0f);
    EXPECT_EQ(a.x, 5.0f);
    EXPECT_EQ(a.y, 0.0f);
    EXPECT_EQ(a.z, 9.0f);
    EXPECT_EQ(Coord(1, 2, 0).getSquareDistanceFrom(Coord(4, 6, 5)), 25.0f);
}

TEST(Coord, ZeroVectorStaysZero) {
    Coord zero(0, 0, 1);
    EXPECT_EQ(zero.normalize(), 0.0f);
    EXPECT_EQ(zero.x, 0.0f);
    EXPECT_EQ(zero.y, 0.0f);
    Coord fast(0, 0, 0);
    fast.fastNormalize();
    EXPECT_FALSE(std::isnan(fast.x) || std::isnan(fast.y));
    EXPECT_EQ(fast.x, 0.0f);
}

TEST(Color, ConstructionAndComparison) {
    Color packed(0xFF8000);
    EXPECT_EQ(packed.r, 1.0f);
    EXPECT_EQ(packed.g, 128 / 255.0f);
    EXPECT_EQ(packed.b, 0.0f);
    EXPECT_EQ(packed.a, 1.0f);
    EXPECT_EQ(packed.tag, 8);
    Color high(0x7F000000 | 0xFF8000);
    EXPECT_TRUE(high.equals(&packed));
    EXPECT_EQ(Color().tag, -1);

    EXPECT_TRUE(Color(0.0f, 0.0f, 0.0f, 0.5f).isBlack());
    Color c1(0.1f, 0.2f, 0.3f, 1.0f), c2(0.1f, 0.2f, 0.3f, 0.9f);
    EXPECT_FALSE(c1.equals(&c2));
    EXPECT_EQ(&c2.setAlpha(1.0f), &c2);
    EXPECT_TRUE(c1.equals(&c2));

    Color tagged(0.5f, 0.5f, 0.5f);
    tagged.init(0x00FF00);
    EXPECT_EQ(tagged.tag, 8);
    tagged.initWithInt(255, 0, 51);
    EXPECT_EQ(tagged.b, (float)(51 / 255.0));

    for (int i = 0; i < 200; i++) {
        Color random;
        random.initWithRandomColor();
        EXPECT_LT(random.r, 1.0f);
        EXPECT_GE(random.r, 0.0f);
        random.initWithRandomLivelyColor();
        EXPECT_EQ(random.g, 1.0f);
        EXPECT_GE(random.r, -0.2f - 1e-6f);
        EXPECT_LE(random.b, 1.2f + 1e-6f);
    }
}
