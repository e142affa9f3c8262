// Wall shapes: inside tests, normals, push-out and their own filing.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "core/CollisionShape.h"
#include "core/Disk.h"
#include "core/InnerDisk.h"
#include "core/Quad.h"
#include "core/QuadTeletransport.h"
#include "core/WallsSpacePartitioner.h"

namespace {

using Cells = std::set<std::pair<int, int>>;

Cells cellsOf(WallsSpacePartitioner& w, CollisionShape* s) {
    Cells cells;
    for (int r = 0; r < w.getRows(); r++)
        for (int c = 0; c < w.getColumns(); c++)
            for (Link* l = w.getLink(c, r); l; l = l->next)
                if (l->object == s)
                    cells.insert({c, r});
    return cells;
}

class Shapes : public ::testing::Test {
protected:
    void SetUp() override { CollisionShape::init(nullptr); }
};

TEST_F(Shapes, SquareQuadNormalInsideAndProjection) {
    Quad q(Coord(0, 0, 0), Coord(100, 0, 0), Coord(100, 100, 0), Coord(0, 100, 0), 0);
    EXPECT_NEAR(q.normal1.x, 0.0f, 1e-6);
    EXPECT_NEAR(q.normal1.y, 1.0f, 1e-6);
    EXPECT_FLOAT_EQ(q.getAngleOfNormal(Coord(7, 7, 0)), (float)(M_PI / 2));
    Coord p(50, 30, 3);
    EXPECT_TRUE(q.isPointInside(p));
    q.projectOnSide(&p);
    EXPECT_FLOAT_EQ(p.x, 50.0f);
    EXPECT_FLOAT_EQ(p.y, 0.0f);
    EXPECT_FLOAT_EQ(p.z, 0.0f);
    // On a side is outside, so the projection ends the collision.
    EXPECT_FALSE(q.isPointInside(p));
    EXPECT_FALSE(q.isPointInside(Coord(100, 50, 0)));
    EXPECT_FALSE(q.isPointInside(Coord(150, 50, 0)));
    EXPECT_EQ(q.getLeftMostPoint(), 0.0f);
    EXPECT_EQ(q.getHighestPoint(), 100.0f);
}

TEST_F(Shapes, NormalsPointInwardWhateverTheCornerOrder) {
    Quad cw(Coord(0, 0, 0), Coord(0, 100, 0), Coord(100, 100, 0), Coord(100, 0, 0), 0);
    EXPECT_TRUE(cw.isPointInside(Coord(50, 50, 0)));
    EXPECT_NEAR(cw.normal1.x, 1.0f, 1e-6);
    QuadTeletransport t(Coord(0, 0, 0), Coord(100, 0, 0), Coord(100, 100, 0), Coord(0, 100, 0), 3);
    EXPECT_EQ(t.flags, 0x80);
    EXPECT_TRUE(t.isPointInside(Coord(50, 30, 0)));
    Coord p(50, 30, 0);
    t.projectOnSide(&p);
    EXPECT_FLOAT_EQ(p.y, 0.0f);
}

TEST_F(Shapes, DiskAndInnerDiskPushDistances) {
    Disk d(Coord(200, 200, 0), 50.0f);
    EXPECT_TRUE(d.isPointInside(Coord(250, 200, 0)));
    EXPECT_FALSE(d.isPointInside(Coord(251, 200, 0)));
    Coord p(240, 200, 0);
    d.projectOnSide(&p);
    EXPECT_FLOAT_EQ(p.x, 250.001f);
    EXPECT_NEAR(p.y, 200.0f, 1e-4);
    EXPECT_NEAR(d.getAngleOfNormal(Coord(200, 300, 0)), M_PI / 2, 1e-6);

    InnerDisk in(Coord(0, 0, 0), 300.0f, 0);
    EXPECT_TRUE(in.isPointInside(Coord(300, 0, 0)));
    EXPECT_FALSE(in.isPointInside(Coord(299, 0, 0)));
    Coord q(300, 0, 0);
    in.projectOnSide(&q);
    EXPECT_FLOAT_EQ(q.x, 299.999f);
    EXPECT_NEAR(in.getAngleOfNormal(Coord(0, 300, 0)), 1.5 * M_PI, 1e-6);
}

// The plain filing of an inner disk, written out directly: 315 points 0.02
// radians apart, each marked with its four neighbours, then a 4-connected
// fill from the centre.
void referenceFlood(std::vector<unsigned char>& b, int w, int h, int x, int y) {
    std::vector<int> stack{x + w * y};
    while (!stack.empty()) {
        int i = stack.back();
        stack.pop_back();
        if (b[i] != 0)
            continue;
        b[i] = 2;
        int cx = i % w, cy = i / w;
        if (cx > 0)
            stack.push_back(i - 1);
        if (cy > 0)
            stack.push_back(i - w);
        if (cx < w - 1)
            stack.push_back(i + 1);
        if (cy < h - 1)
            stack.push_back(i + w);
    }
}

Cells referenceInnerDiskCells(float cx, float cy, float radius, int columns, int rows) {
    int x0 = (int)(cx - radius) / 20, y0 = (int)(cy - radius) / 20;
    int w = (int)(cx + radius) / 20 + 5 - x0, h = (int)(cy + radius) / 20 + 5 - y0;
    std::vector<unsigned char> b(w * h, 0);
    float a = 0.0f;
    for (int k = 0; k < 315; k++) {
        int idx = (int)(w / 2 + (radius / 20) * std::cos(a)) + w * (int)(h / 2 + (radius / 20) * std::sin(a));
        for (int d : {0, -1, 1, w, -w})
            if (idx + d >= 0 && idx + d < w * h)
                b[idx + d] = 1;
        a += 0.02f;
    }
    referenceFlood(b, w, h, w / 2, h / 2);
    Cells cells;
    for (int j = 0; j < h; j++)
        for (int i = 0; i < w; i++) {
            int c = x0 - 2 + i, r = y0 - 2 + j;
            if (b[i + w * j] != 2 && c >= 0 && r >= 0 && c < columns && r < rows)
                cells.insert({c, r});
        }
    return cells;
}

TEST_F(Shapes, InnerDiskFilingMatchesThePlainSamplingWhereThatCloses) {
    for (float radius : {40.0f, 150.0f, 300.0f, 640.0f, 1000.0f, 2000.0f}) {
        WallsSpacePartitioner w;
        w.init(5000, 5000);
        InnerDisk d(Coord(2500, 2500, 0), radius, 0);
        w.addObject(&d);
        EXPECT_EQ(cellsOf(w, &d), referenceInnerDiskCells(2500, 2500, radius, w.getColumns(), w.getRows())) << radius;
        w.removeObject(&d);
    }
}

TEST_F(Shapes, LargeInnerDiskRingIsClosed) {
    // The plain sampling leaves gaps from about 2,500 units on: its fill
    // leaks around the ring and the wall beyond the ring is not filed.
    EXPECT_FALSE(referenceInnerDiskCells(4000, 4000, 3000, 401, 401).count({51, 51}));
    for (float radius : {2000.0f, 3000.0f, 3900.0f}) {
        WallsSpacePartitioner w;
        w.init(8000, 8000);
        InnerDisk d(Coord(4000, 4000, 0), radius, 0);
        w.addObject(&d);
        // The floor inside is free of the wall, the ring and beyond are filed.
        Coord centre(4000, 4000, 0), nearRim(4000 + radius - 30, 4000, 0);
        EXPECT_EQ(w.getLink(200, 200), nullptr) << radius;
        EXPECT_EQ(w.getFirstObject(centre), nullptr);
        EXPECT_EQ(w.getFirstObject(nearRim), nullptr);
        Coord corner(4000 - radius + 20, 4000 - radius + 20, 0);
        EXPECT_EQ(w.getFirstObject(corner), &d);
        for (int k = 0; k < 360; k += 7) {
            float a = (float)(k * M_PI / 180);
            Coord out(4000 + (radius + 5) * std::cos(a), 4000 + (radius + 5) * std::sin(a), 0);
            EXPECT_EQ(w.getFirstObject(out), &d) << radius << " at " << k;
        }
        w.removeObject(&d);
    }
}

TEST_F(Shapes, QuadFilingCoversItAndNoFarCell) {
    WallsSpacePartitioner w;
    w.init(1000, 1000);
    Quad q(Coord(200, 300, 0), Coord(400, 260, 0), Coord(420, 500, 0), Coord(210, 480, 0), 0);
    w.addObject(&q);
    Cells cells = cellsOf(w, &q);
    for (int y = 0; y < 1000; y += 5)
        for (int x = 0; x < 1000; x += 5) {
            Coord p((float)x, (float)y, 0);
            bool inside = q.isPointInside(p);
            if (inside) {
                ASSERT_TRUE(cells.count({x / 20, y / 20})) << x << "," << y;
            }
        }
    for (auto& c : cells) {
        EXPECT_GE(c.first, 200 / 20 - 2);
        EXPECT_LE(c.first, 420 / 20 + 2);
        EXPECT_GE(c.second, 260 / 20 - 2);
        EXPECT_LE(c.second, 500 / 20 + 2);
    }
    w.removeObject(&q);
}

TEST_F(Shapes, TenThousandUnitWallFillsWithoutRecursion) {
    WallsSpacePartitioner w;
    w.init(12000, 12000);
    Quad q(Coord(500, 500, 0), Coord(10500, 500, 0), Coord(10500, 10500, 0), Coord(500, 10500, 0), 0);
    w.addObject(&q);
    // Cells 25 to 525 each way, plus the outline's one-cell rim without its
    // four corners: the flood from outside stopped at the outline.
    EXPECT_EQ(cellsOf(w, &q).size(), (size_t)503 * 503 - 4);
    Coord p(5000, 7000, 0);
    EXPECT_EQ(w.getFirstObject(p), &q);
    EXPECT_EQ(w.getLink(10, 10), nullptr);
    w.removeObject(&q);
}

TEST_F(Shapes, QuadNearTheLowerLeftCornerFilesOnlyGridCells) {
    WallsSpacePartitioner w;
    w.init(200, 200);
    Quad q(Coord(-100, -60, 0), Coord(30, -60, 0), Coord(30, 25, 0), Coord(-100, 25, 0), 0);
    w.addObject(&q);
    for (auto& c : cellsOf(w, &q)) {
        EXPECT_GE(c.first, 0);
        EXPECT_GE(c.second, 0);
    }
    Coord p(10, 10, 0);
    EXPECT_EQ(w.getFirstObject(p), &q);
    // Just left of the level the truncating rule still gives column 0.
    Coord edge(-5, 10, 0);
    EXPECT_EQ(w.getFirstObject(edge), &q);
    Coord far(-50, 10, 0);
    EXPECT_EQ(w.getFirstObject(far), nullptr);
    w.removeObject(&q);
}

}  // namespace

// A raster is a value: a copy has bytes of its own, and both go away cleanly.
TEST(ShapeRaster, CopiesOwnTheirBytes) {
    ShapeRaster a;
    ASSERT_TRUE(a.make(0, 0, 100, 60));
    EXPECT_EQ(a.bytes.size(), (size_t)a.width * a.height);
    a.mark(3);
    ShapeRaster b = a;
    b.mark(4);
    ShapeRaster c;
    c = b;
    c.mark(5);
    EXPECT_EQ(a.bytes[3], 1);
    EXPECT_EQ(a.bytes[4], 0);
    EXPECT_EQ(b.bytes[4], 1);
    EXPECT_EQ(b.bytes[5], 0);
    EXPECT_EQ(c.bytes[5], 1);
    ShapeRaster tooLarge;
    EXPECT_FALSE(tooLarge.make(0, 0, 1.0e7f, 1.0e7f));
    EXPECT_TRUE(tooLarge.bytes.empty());
}
