// Background bursts stay inside the shared buffer; the wall-grid view counts links.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/Disk.h"
#include "core/Quad.h"
#include "core/SpacePartition.h"
#include "graphics/BackgroundExplosions.h"
#include "graphics/CollisionSPVisualizer.h"
#include "graphics/Explosion.h"

TEST(BackgroundExplosions, SparkRunsStayInsideOneFrame) {
    // Two runs of 40 vertices (480 bytes each), the second 960 bytes after the first.
    const int span = 960 + 40 * 12;
    int largest = 0;
    for (int i = 0; i < 2000; i++) {
        BackgroundExplosions b;
        ASSERT_EQ(b.offset % 24, 0);
        ASSERT_GE(b.offset, 0);
        ASSERT_LE(b.offset + span, Explosion::FRAME_BYTES);
        ASSERT_GE(b.delay, 5);
        ASSERT_LE(b.delay, 19);
        largest = std::max(largest, b.offset);
    }
    // Only the runs that would leave the frame are held back, right at its end.
    EXPECT_EQ(largest, Explosion::FRAME_BYTES - span);
}

TEST(BackgroundExplosions, FadesAfterItsDelayThenRestartsOnlyOnRequest) {
    BackgroundExplosions b;
    b.delay = 5;
    int updates = 0;
    while (!b.finished && updates < 100) {
        b.update(false);
        updates++;
    }
    // Six updates count the delay down past 0, then 20 fade steps.
    EXPECT_EQ(updates, 6 + 19);
    EXPECT_FLOAT_EQ(b.colour1.a, 0.6f * b.alpha);
    int frame = b.frame;
    b.update(false);
    EXPECT_TRUE(b.finished);
    EXPECT_EQ(b.frame, frame);
    b.update(true);
    EXPECT_FALSE(b.finished);
    EXPECT_EQ(b.frame, 1);
}

TEST(CollisionSPVisualizer, CountsTheLinksOfEveryCell) {
    Entity::reset();
    CollisionSPVisualizer* none = new CollisionSPVisualizer();
    EXPECT_EQ(none->columns, 0);
    EXPECT_TRUE(none->counts.empty());
    Entity::reset();
    SpacePartition* sp = new SpacePartition();
    CollisionShape::init(&sp->walls);
    Entity::init(sp);
    Disk a(Coord(50, 50, 0), 15);
    Disk b(Coord(55, 50, 0), 5);
    SpacePartition::setBoundaries(Coord(200, 100, 0));
    sp->initWithTheLoadedMap();
    CollisionSPVisualizer* v = new CollisionSPVisualizer();
    EXPECT_EQ(v->columns, 11);
    EXPECT_EQ(v->rows, 6);
    EXPECT_EQ(v->counts[2 * 11 + 2], 2);
    EXPECT_EQ(v->counts[1 * 11 + 1], 1);
    EXPECT_EQ(v->counts[5 * 11 + 10], 0);
    Entity::reset();
    sp->walls.removeObject(&a);
    sp->walls.removeObject(&b);
    delete sp;
}
