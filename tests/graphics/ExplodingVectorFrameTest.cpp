// Frames that burst into spinning segments and come back together.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "graphics/ExplodingVectorFrame.h"
#include "graphics/VectorFrame.h"
#include "support/GraphicsTestSupport.h"
#include "support/StateGuards.h"

namespace {

// A square of four lines and one vertical line, as a model frame holds them.
std::vector<int> squareAndPost() { return {0, 0, 10, 0, 10, 0, 10, 10, 10, 10, 0, 10, 0, 10, 0, 0, 20, -5, 20, 15}; }

}  // namespace

TEST(ExplodingVectorFrame, SegmentsAreMidpointAngleAndHalfLength) {
    REQUIRE_GL();
    std::vector<int> coordinates = squareAndPost();
    VectorFrame source(&coordinates, Color(), false, 1);
    ExplodingVectorFrame exploding(&source);
    const auto& s = exploding.getSegments();
    ASSERT_EQ(s.size(), 5u);
    EXPECT_FLOAT_EQ(s[0].centerX, 5.0f);
    EXPECT_FLOAT_EQ(s[0].centerY, 0.0f);
    EXPECT_FLOAT_EQ(s[0].halfLength, 5.0f);
    // The vertical line (dx = 0) points straight down or up.
    EXPECT_FLOAT_EQ(std::fabs(s[4].angle), (float)(M_PI / 2));
    EXPECT_FLOAT_EQ(s[4].halfLength, 10.0f);
}

TEST(ExplodingVectorFrame, AnimationStartsAndEndsOnTheSourceLinesAndSpreadsByItsVelocity) {
    REQUIRE_GL();
    std::vector<int> coordinates = squareAndPost();
    VectorFrame source(&coordinates, Color(), false, 1);
    ExplodingVectorFrame exploding(&source);
    srand(7);
    ExplodingVFAnimation animation(&exploding, 3.0f);

    animation.initVertexes(0.0f);
    const std::vector<float>& v = animation.getVertices();
    ASSERT_EQ(v.size(), 20u);
    for (size_t i = 0; i < v.size(); i++)
        EXPECT_NEAR(v[i], (float)coordinates[i], 1e-4) << i;

    // At t = 1 every spin is a whole number of half turns: the segment lies on
    // its line again, possibly with its ends swapped.
    animation.initVertexes(1.0f);
    for (int seg = 0; seg < 5; seg++) {
        float x0 = coordinates[seg * 4], y0 = coordinates[seg * 4 + 1];
        float x1 = coordinates[seg * 4 + 2], y1 = coordinates[seg * 4 + 3];
        const float* e = &v[seg * 4];
        bool same = std::fabs(e[0] - x0) < 1e-3 && std::fabs(e[1] - y0) < 1e-3 && std::fabs(e[2] - x1) < 1e-3 &&
                    std::fabs(e[3] - y1) < 1e-3;
        bool swapped = std::fabs(e[0] - x1) < 1e-3 && std::fabs(e[1] - y1) < 1e-3 && std::fabs(e[2] - x0) < 1e-3 &&
                       std::fabs(e[3] - y0) < 1e-3;
        EXPECT_TRUE(same || swapped) << seg;
    }

    // At t = 0.5 each midpoint is displaced by its whole velocity, which is a
    // whole number from -5 to 5 times the speed.
    animation.initVertexes(0.5f);
    const auto& velocities = animation.getVelocities();
    for (int seg = 0; seg < 5; seg++) {
        const auto& segment = exploding.getSegments()[seg];
        float mx = (v[seg * 4] + v[seg * 4 + 2]) * 0.5f;
        float my = (v[seg * 4 + 1] + v[seg * 4 + 3]) * 0.5f;
        EXPECT_NEAR(mx, segment.centerX + velocities[seg].x, 1e-3);
        EXPECT_NEAR(my, segment.centerY + velocities[seg].y, 1e-3);
        float steps = velocities[seg].x / 3.0f;
        EXPECT_EQ(steps, std::round(steps));
        EXPECT_LE(std::fabs(steps), 5.0f);
        float spinHalfTurns = animation.getSpins()[seg] / (float)M_PI;
        EXPECT_NEAR(spinHalfTurns, std::round(spinHalfTurns), 1e-5);
    }
}

TEST(ExplodingVectorFrame, ThreeDimensionalSourceIsRefused) {
    // The child runs the program again rather than forking a process that has threads.
    SavedValue<std::string> style(::testing::FLAGS_gtest_death_test_style, "threadsafe");
    REQUIRE_GL();
    std::vector<int> coordinates = {0, 0, 50, 10, 0, -50};
    VectorFrame source(&coordinates, Color(), true, 1);
    EXPECT_EXIT(ExplodingVectorFrame exploding(&source), testing::ExitedWithCode(1),
                "exploding frame: the source frame is 3-D, only 2-D frames can explode\n");
}

TEST(ExplodingVectorFrame, DrawsFromClientMemoryAfterAModelLeftItsBufferBound) {
    REQUIRE_GL();
    std::vector<int> coordinates = {100, 100, 300, 100};
    VectorFrame source(&coordinates, Color(), false, 1);
    ExplodingVectorFrame exploding(&source);
    ExplodingVFAnimation animation(&exploding, 1.0f);
    animation.initVertexes(0.0f);
    source.draw();  // leaves the source's buffer bound
    glClear(GL_COLOR_BUFFER_BIT);
    glTranslatef(0.0f, 50.0f, 0.0f);
    animation.draw();
    graphicstest::Pixels p = graphicstest::readPixels();
    EXPECT_EQ(p.at(200, 150)[0], 255);
    EXPECT_EQ(p.at(200, 100)[0], 0);
}
