// Vertex-buffer frames and the grouping of a frame's lines by colour.
#include <gtest/gtest.h>

#include "graphics/MultiColorVectorFrame.h"
#include "graphics/VectorFrame.h"
#include "support/GraphicsTestSupport.h"

namespace {

const Color kRed(1.0f, 0.0f, 0.0f, 1.0f);
const Color kGreen(0.0f, 1.0f, 0.0f, 1.0f);

bool sameColor(const Color& a, const Color& b) { return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a; }

GLint boundArrayBuffer() {
    GLint name = -1;
    glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &name);
    return name;
}

}  // namespace

TEST(VectorFrame, KeepsVerticesAndBoundsAndLeavesItsBufferBound) {
    REQUIRE_GL();
    std::vector<int> coordinates = {10, -4, 7, 20, 3, 5, -2, 9, 100, 0, 1};
    VectorFrame frame(&coordinates, kRed, true, 1);
    int count = 0;
    float* v = frame.getVertexes(&count);
    ASSERT_EQ(count, 3);  // the ragged last coordinate is not a vertex
    EXPECT_EQ(v[6], -2.0f);
    EXPECT_EQ(v[8], 100.0f);
    EXPECT_EQ(frame.getMinX(), -2.0f);  // z (7, 5, 100) is not measured
    EXPECT_EQ(frame.getMaxX(), 20.0f);
    EXPECT_EQ(frame.getMinY(), -4.0f);
    EXPECT_EQ(frame.getMaxY(), 9.0f);
    EXPECT_EQ(frame.getBytesUsed(), 36);
    EXPECT_NE(frame.getBufferName(), 0u);
    EXPECT_EQ(boundArrayBuffer(), 0);

    frame.drawWithAlpha(0.5f);
    EXPECT_EQ(boundArrayBuffer(), (GLint)frame.getBufferName());
    EXPECT_TRUE(sameColor(frame.getColor(), kRed));
}

TEST(VectorFrame, DestructorDeletesItsBufferUnlessTheNameWasForgotten) {
    REQUIRE_GL();
    std::vector<int> coordinates = {0, 0, 5, 5};
    GLuint kept;
    {
        VectorFrame frame(&coordinates, kRed, false, 1);
        kept = frame.getBufferName();
        frame.resetBufferName();
    }
    EXPECT_TRUE(glIsBuffer(kept));
    glDeleteBuffers(1, &kept);
    GLuint deleted;
    {
        VectorFrame frame(&coordinates, kRed, false, 1);
        deleted = frame.getBufferName();
    }
    EXPECT_FALSE(glIsBuffer(deleted));
}

TEST(VectorFrame, DrawsItsLinesInItsColourAndWithoutColourInTheCurrentOne) {
    REQUIRE_GL();
    std::vector<int> coordinates = {100, 100, 300, 100};
    VectorFrame frame(&coordinates, kRed, false, 1);
    frame.draw();
    glTranslatef(0.0f, 50.0f, 0.0f);
    glColor4f(0.0f, 0.0f, 1.0f, 1.0f);
    frame.drawWithoutColor();
    graphicstest::Pixels p = graphicstest::readPixels();
    const unsigned char* red = p.at(200, 100);
    const unsigned char* blue = p.at(200, 150);
    EXPECT_EQ(red[0], 255);
    EXPECT_EQ(red[2], 0);
    EXPECT_EQ(blue[0], 0);
    EXPECT_EQ(blue[2], 255);
}

TEST(MultiColorVectorFrame, GroupsLinesByColourInByteOrderAndDrawsEachGroupOnce) {
    REQUIRE_GL();
    // red, green, red: two groups, green first (its red channel 0.0 has the
    // smaller bytes).
    std::vector<int> points = {0, 0, 10, 0, 10, 10, 0, 10};
    std::vector<int> lines = {0, 1, 1, 2, 2, 3};
    std::vector<Color> colors = {kRed, kGreen, kRed};
    MultiColorVectorFrame frame(&lines, &points, &colors, false, 1);
    ASSERT_EQ(frame.getNumberOfColors(), 2);
    EXPECT_TRUE(sameColor(frame.getVectorFrame(0)->getColor(), kGreen));
    EXPECT_TRUE(sameColor(frame.getVectorFrame(1)->getColor(), kRed));
    int count = 0;
    float* v = frame.getVectorFrame(1)->getVertexes(&count);
    ASSERT_EQ(count, 4);
    const float expected[] = {0, 0, 10, 0, 10, 10, 0, 10};
    for (int i = 0; i < 8; i++)
        EXPECT_EQ(v[i], expected[i]) << i;
    EXPECT_EQ(frame.getWidth(), 10);
    EXPECT_EQ(frame.getHeight(), 10);
}

TEST(MultiColorVectorFrame, ColourCasesGiveTheExpectedGroups) {
    REQUIRE_GL();
    std::vector<int> points = {0, 0, 10, 0, 10, 10};
    std::vector<int> lines = {0, 1, 1, 2};
    struct Case {
        const char* name;
        std::vector<Color> colors;
        int groups;
    };
    const Case cases[] = {
        {"no colours: one white group", {}, 1},
        {"shorter list: the rest is white", {Color()}, 1},
        {"alpha alone makes a colour distinct", {kRed, Color(1.0f, 0.0f, 0.0f, 0.5f)}, 2},
        {"channels beyond 255 clamp onto 255", {kRed, Color(1.6f, -0.2f, 0.0f, 1.0f)}, 1},
    };
    for (const Case& c : cases) {
        std::vector<Color> colors = c.colors;
        MultiColorVectorFrame frame(&lines, &points, &colors, false, 1);
        ASSERT_EQ(frame.getNumberOfColors(), c.groups) << c.name;
        Color first = frame.getVectorFrame(0)->getColor();
        EXPECT_TRUE(first.r <= 1.0f && first.g >= 0.0f) << c.name;
    }
    std::vector<Color> none;
    MultiColorVectorFrame white(&lines, &points, &none, false, 1);
    EXPECT_TRUE(sameColor(white.getVectorFrame(0)->getColor(), Color()));
}

TEST(MultiColorVectorFrame, MalformedLinesAreSkippedAndEmptyFramesAreSafe) {
    REQUIRE_GL();
    std::vector<int> points = {0, 0, 4, 0, 4, 4};
    // An index past the points, a negative one, then a good line and a
    // lonely last index.
    std::vector<int> lines = {0, 3, -1, 2, 1, 2, 0};
    std::vector<Color> colors;
    MultiColorVectorFrame frame(&lines, &points, &colors, false, 1);
    ASSERT_EQ(frame.getNumberOfColors(), 1);
    int count = 0;
    frame.getVectorFrame(0)->getVertexes(&count);
    EXPECT_EQ(count, 2);

    std::vector<int> noPoints;
    MultiColorVectorFrame empty(&lines, &noPoints, &colors, false, 1);
    EXPECT_EQ(empty.getNumberOfColors(), 0);
    EXPECT_EQ(empty.getWidth(), 0);
    EXPECT_EQ(empty.getHeight(), 0);
    empty.draw();
    empty.drawWithAlpha(0.5f);
    empty.drawWithoutColor();

    // An odd point list in 2-D: the half point is not a point.
    std::vector<int> ragged = {0, 0, 8};
    std::vector<int> line = {0, 1};
    MultiColorVectorFrame half(&line, &ragged, &colors, false, 1);
    EXPECT_EQ(half.getNumberOfColors(), 0);
}

TEST(MultiColorVectorFrame, ExtentStartsAtTheFirstPointAndIgnoresZ) {
    REQUIRE_GL();
    // The first point (0, 0) is used by no line but still fixes the left edge.
    std::vector<int> points2D = {0, 0, 5, 3, 12, 19};
    std::vector<int> lines = {1, 2};
    std::vector<Color> colors;
    MultiColorVectorFrame glyph(&lines, &points2D, &colors, false, 1);
    EXPECT_EQ(glyph.getWidth(), 12);
    EXPECT_EQ(glyph.getHeight(), 19);

    std::vector<int> points3D = {-5, 2, 0, 5, -2, 400, 0, 0, -400};
    MultiColorVectorFrame solid(&lines, &points3D, &colors, true, 1);
    EXPECT_TRUE(solid.getVectorFrame(0)->getIs3D());
    EXPECT_EQ(solid.getWidth(), 10);
    EXPECT_EQ(solid.getHeight(), 4);
}
