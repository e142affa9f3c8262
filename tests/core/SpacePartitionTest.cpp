// The two grids: sizes, filing order, clipping at the edges, removal.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/Disk.h"
#include "core/Entity.h"
#include "core/InnerDisk.h"
#include "core/Quad.h"
#include "core/ReactsToWeaponOrPlayer.h"
#include "core/SpacePartition.h"
#include "support/TestTarget.h"

namespace {

int chainLength(Link* l) {
    int n = 0;
    for (; l; l = l->next)
        n++;
    return n;
}

class Grids : public ::testing::Test {
protected:
    void SetUp() override {
        sp = new SpacePartition();
        CollisionShape::init(&sp->walls);
        Entity::init(sp);
    }
    void TearDown() override {
        Entity::reset();
        delete sp;
    }
    void level(float w, float h) {
        SpacePartition::setBoundaries(Coord(w, h, 0));
        sp->initWithTheLoadedMap();
    }
    SpacePartition* sp;
};

TEST_F(Grids, SizesForALevelAndForTheDefaultBoundaries) {
    level(1000, 600);
    EXPECT_EQ(sp->walls.getColumns(), 51);
    EXPECT_EQ(sp->walls.getRows(), 31);
    EXPECT_EQ(sp->entities.getColumns(), 8);
    EXPECT_EQ(sp->entities.getRows(), 5);
    level(100, 100);
    EXPECT_EQ(sp->walls.getColumns(), 6);
    EXPECT_EQ(sp->walls.getRows(), 6);
    EXPECT_EQ(sp->entities.getColumns(), 1);
    EXPECT_EQ(sp->entities.getRows(), 1);
    EXPECT_TRUE(SpacePartition::boundariesAreInit);
}

TEST_F(Grids, TargetIsFiledInEveryCellOfItsSquareLastFiledFirst) {
    level(1000, 600);
    TestTarget* a = new TestTarget(Coord(130, 200, 0), 30);
    TestTarget* b = new TestTarget(Coord(100, 180, 0), 5);
    sp->entities.fill();
    EXPECT_EQ(sp->entities.getLink(0, 1)->object, b);
    EXPECT_EQ(sp->entities.getLink(0, 1)->next->object, a);
    EXPECT_EQ(chainLength(sp->entities.getLink(0, 1)), 2);
    EXPECT_EQ(sp->entities.getLink(1, 1)->object, a);
    EXPECT_EQ(chainLength(sp->entities.getLink(1, 1)), 1);
    int filed = 0;
    for (int r = 0; r < 5; r++)
        for (int c = 0; c < 8; c++)
            filed += chainLength(sp->entities.getLink(c, r));
    EXPECT_EQ(filed, 3);
    Coord p(140, 210, 0);
    EXPECT_EQ(sp->entities.getLink(p), sp->entities.getLink(1, 1));
}

TEST_F(Grids, TargetsAndPointsOutsideTheGridStayOutside) {
    level(1000, 600);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    new TestTarget(Coord(-500, -500, 0), 1000);
    new TestTarget(Coord(990, 590, 0), 400);
    new TestTarget(Coord(nan, 10, 0), 10);
    new TestTarget(Coord(1e30f, -1e30f, 0), 10);
    new TestTarget(Coord(-300, 300, 0), 10);
    Entity::updateAll();
    EXPECT_EQ(chainLength(sp->entities.getLink(0, 0)), 1);
    EXPECT_EQ(chainLength(sp->entities.getLink(7, 4)), 1);
    for (Coord p : {Coord(-200, 10, 0), Coord(10, 700, 0), Coord(1100, 10, 0), Coord(nan, 5, 0), Coord(5, nan, 0),
                    Coord(1e20f, 5, 0)}) {
        EXPECT_EQ(sp->entities.getLink(p), nullptr) << p.x << "," << p.y;
        EXPECT_EQ(sp->walls.getFirstObject(p), nullptr);
    }
    EXPECT_EQ(sp->entities.getLink(-1, 0), nullptr);
    EXPECT_EQ(sp->entities.getLink(8, 0), nullptr);
    EXPECT_EQ(sp->walls.getLink(0, 31), nullptr);
    // The truncating cell rule holds inside the grid: -50 truncates into cell 0.
    Coord nearEdge(-50, 10, 0);
    EXPECT_EQ(sp->entities.getLink(nearEdge), sp->entities.getLink(0, 0));
}

TEST_F(Grids, QueriesBeforeAGridExistsFindNothing) {
    TestTarget* t = new TestTarget(Coord(10, 10, 0), 10);
    Disk d(Coord(10, 10, 0), 50);
    Coord p(10, 10, 0);
    EXPECT_EQ(sp->entities.getLink(p), nullptr);
    EXPECT_EQ(sp->walls.getFirstObject(p), nullptr);
    Entity::updateAll();
    EXPECT_EQ(t->indexInSP, 0u);
    level(100, 100);
    EXPECT_EQ(sp->entities.getLink(p)->object, t);
    EXPECT_EQ(sp->walls.getFirstObject(p), &d);
    sp->walls.removeObject(&d);
}

// A wall look-up reads a cell only inside the grid of the current level,
// down to the last fraction of a cell on every side, and nothing once the
// grid is gone.
TEST_F(Grids, WallLookUpsKeepToTheEdgesOfTheCurrentGrid) {
    Disk everywhere(Coord(50, 50, 0), 200);
    level(1000, 600);
    level(100, 100);
    ASSERT_EQ(sp->walls.getColumns(), 6);
    const struct {
        float x, y;
        bool found;
    } cases[] = {{50, 50, true},   {-19.9f, 50, true}, {-20, 50, false}, {119.9f, 50, true},
                 {120, 50, false}, {50, -19.9f, true}, {50, -20, false}, {50, 119.9f, true},
                 {50, 120, false}, {500, 50, false},   {50, 500, false}, {1e30f, 50, false}};
    for (const auto& c : cases) {
        Coord p(c.x, c.y, 0);
        EXPECT_EQ(sp->walls.getFirstObject(p), c.found ? &everywhere : nullptr) << c.x << "," << c.y;
    }
    sp->unInit();
    Coord centre(50, 50, 0);
    EXPECT_EQ(sp->walls.getFirstObject(centre), nullptr);
    sp->walls.removeObject(&everywhere);
}

TEST_F(Grids, OverlappingShapesLastFiledAnswersAndLateShapesCollideAtOnce) {
    Disk first(Coord(100, 100, 0), 40);
    Disk second(Coord(110, 100, 0), 40);
    level(400, 400);
    Coord p(105, 100, 0);
    EXPECT_EQ(sp->walls.getFirstObject(p), &second);
    Quad late(Coord(200, 200, 0), Coord(300, 200, 0), Coord(300, 300, 0), Coord(200, 300, 0), 0);
    Coord q(250, 250, 0);
    EXPECT_EQ(sp->walls.getFirstObject(q), &late);
    sp->walls.removeObject(&late);
    sp->walls.removeObject(&second);
    sp->walls.removeObject(&first);
}

TEST_F(Grids, RemovalClearsEveryLinkAndIsSafeToRepeat) {
    level(2000, 2000);
    Quad keep(Coord(0, 0, 0), Coord(100, 0, 0), Coord(100, 100, 0), Coord(0, 100, 0), 0);
    InnerDisk arena(Coord(1000, 1000, 0), 500, 0);
    Disk pillar(Coord(1000, 1000, 0), 60);
    Coord outside(1000 + 540, 1000, 0), onPillar(1000, 1040, 0);
    // Just beyond the box, in the margin the inner disk filed itself into.
    Coord margin(1000 + 515, 1000, 0);
    EXPECT_EQ(sp->walls.getFirstObject(outside), &arena);
    EXPECT_EQ(sp->walls.getFirstObject(margin), &arena);
    EXPECT_EQ(sp->walls.getFirstObject(onPillar), &pillar);
    sp->walls.removeObject(&arena);
    sp->walls.removeObject(&pillar);
    EXPECT_EQ(sp->walls.getFirstObject(outside), nullptr);
    EXPECT_EQ(sp->walls.getFirstObject(margin), nullptr);
    EXPECT_EQ(sp->walls.getFirstObject(onPillar), nullptr);
    for (int r = 0; r < sp->walls.getRows(); r++)
        for (int c = 0; c < sp->walls.getColumns(); c++)
            for (Link* l = sp->walls.getLink(c, r); l; l = l->next)
                ASSERT_EQ(l->object, &keep);
    // Twice, and a shape that was never listed: nothing changes.
    sp->walls.removeObject(&arena);
    CollisionShape::init(nullptr);
    Disk stranger(Coord(50, 50, 0), 10);
    sp->walls.removeObject(&stranger);
    ASSERT_EQ(sp->walls.shapes.size(), 1u);
    EXPECT_EQ(sp->walls.shapes[0], &keep);
    EXPECT_EQ(keep.index, 0);
    Coord inKeep(50, 50, 0);
    EXPECT_EQ(sp->walls.getFirstObject(inKeep), &keep);
    sp->walls.removeObject(&keep);
}

TEST_F(Grids, ShapesPastTheEdgesAreClipped) {
    Disk big(Coord(1990, 10, 0), 300);
    InnerDisk round(Coord(0, 0, 0), 150, 0);
    Quad off(Coord(-900, -900, 0), Coord(-800, -900, 0), Coord(-800, -800, 0), Coord(-900, -800, 0), 0);
    level(2000, 1000);
    Coord corner(1999, 0, 0);
    EXPECT_EQ(sp->walls.getFirstObject(corner), &big);
    sp->walls.removeObject(&big);
    sp->walls.removeObject(&round);
    sp->walls.removeObject(&off);
    EXPECT_EQ(sp->walls.getFirstObject(corner), nullptr);
}

TEST_F(Grids, RemovingTheLastTargetKeepsTheOthersIndices) {
    level(500, 500);
    TestTarget* a = new TestTarget(Coord(10, 10, 0), 5);
    TestTarget* b = new TestTarget(Coord(20, 10, 0), 5);
    TestTarget* c = new TestTarget(Coord(30, 10, 0), 5);
    c->toBeDeleted = true;
    Entity::updateAll();
    ASSERT_EQ(sp->entities.targets.size(), 2u);
    EXPECT_EQ(a->indexInSP, 0u);
    EXPECT_EQ(b->indexInSP, 1u);
    // A target made during a step is found only after the step's refill.
    TestTarget* d = new TestTarget(Coord(100, 100, 0), 5);
    Coord p(100, 100, 0);
    for (Link* l = sp->entities.getLink(p); l; l = l->next)
        EXPECT_NE(l->object, d);
    Entity::updateAll();
    EXPECT_EQ(sp->entities.getLink(p)->object, d);
}

// Each refill must leave the grid as a fresh grid filed once with the same
// targets would be: no chain left over in a cell the targets have left, and
// the same order where they stay, while targets move, come and go, cover the
// whole grid or leave it, and outgrow the links of every earlier fill; and
// again once the grid is made anew for a smaller level.
TEST_F(Grids, EveryRefillMatchesAFreshFiling) {
    auto matchesFreshFiling = [this](int w, int h, const char* when) {
        EntitiesSpacePartitioner fresh;
        fresh.init(w, h);
        fresh.targets = sp->entities.targets;
        fresh.fill();
        // The fresh grid must not unlist the world's targets when it goes.
        std::vector<ReactsToWeaponOrPlayer*> targets;
        targets.swap(fresh.targets);
        ASSERT_EQ(sp->entities.getRows(), fresh.getRows());
        ASSERT_EQ(sp->entities.getColumns(), fresh.getColumns());
        for (int r = 0; r < fresh.getRows(); r++)
            for (int c = 0; c < fresh.getColumns(); c++) {
                Link* got = sp->entities.getLink(c, r);
                Link* want = fresh.getLink(c, r);
                for (; got && want; got = got->next, want = want->next)
                    ASSERT_EQ(got->object, want->object) << when << " cell " << c << "," << r;
                ASSERT_EQ(got, nullptr) << when << " cell " << c << "," << r;
                ASSERT_EQ(want, nullptr) << when << " cell " << c << "," << r;
            }
    };
    level(1000, 600);
    std::vector<TestTarget*> live;
    unsigned seed = 12345;
    auto next = [&seed](int range) {
        seed = seed * 1103515245u + 12345u;
        return (int)((seed >> 8) % (unsigned)range);
    };
    auto place = [&](TestTarget* t) {
        int kind = next(10);
        t->position = Coord((float)(next(1400) - 200), (float)(next(1000) - 200), 0);
        t->radiusF = kind == 0 ? 900.0f : kind == 1 ? 200.0f : (float)next(60);
    };
    for (int round = 0; round < 40; round++) {
        int adds = round == 20 ? 60 : next(6);
        for (int k = 0; k < adds; k++) {
            live.push_back(new TestTarget(Coord(0, 0, 0), 1));
            place(live.back());
        }
        for (size_t k = 0; k < live.size();) {
            if (next(5) == 0) {
                live[k]->toBeDeleted = true;
                live.erase(live.begin() + (long)k);
            } else {
                place(live[k++]);
            }
        }
        Entity::updateAll();
        matchesFreshFiling(1000, 600, ("round " + std::to_string(round)).c_str());
    }
    level(300, 300);
    matchesFreshFiling(300, 300, "smaller level");
    for (TestTarget* t : live)
        t->position = Coord(150, 150, 0);
    Entity::updateAll();
    matchesFreshFiling(300, 300, "smaller level, refilled");
}

TEST(Targets, PointInsideTruncatesAndIncludesTheRim) {
    Entity::reset();
    struct T : ReactsToWeaponOrPlayer {
        T() : ReactsToWeaponOrPlayer(Coord(100, 100, 0), false, 10) {}
        void update() override {}
        void draw() override {}
        bool reactToWeapon(PlayerWeapon*) override { return false; }
        void reactToCollisionWithPlayerCallback(Entity*) override {}
    };
    T* t = new T();
    struct Case {
        float x, y;
        bool inside;
    } cases[] = {{110, 100, true}, {111, 100, false},   {100, 90, true},
                 {100, 89, false}, {110.9f, 100, true},  // truncated to 10
                 {107, 107, true}, {108, 108, false},   {89.5f, 100, true}};
    for (const Case& c : cases) {
        Coord p(c.x, c.y, 0);
        EXPECT_EQ(t->isPointInside(p), c.inside) << c.x << "," << c.y;
    }
    Coord p(113, 100, 0);
    EXPECT_FALSE(t->isPointInside(p, 2));
    EXPECT_TRUE(t->isPointInside(p, 3));
    int xMin, xMax, yMax, yMin;
    t->getRect(xMin, xMax, yMax, yMin);
    EXPECT_EQ(xMin, 90);
    EXPECT_EQ(xMax, 110);
    EXPECT_EQ(yMax, 110);
    EXPECT_EQ(yMin, 90);
    Entity::reset();
}

}  // namespace

namespace {

// A quad that counts its pushes.
class CountingQuad : public Quad {
public:
    CountingQuad(Coord a, Coord b, Coord c, Coord d) : Quad(a, b, c, d, 0) {}
    void projectOnSide(Coord* p) override {
        pushes++;
        Quad::projectOnSide(p);
    }
    int pushes = 0;
};

class Walker : public Entity {
public:
    explicit Walker(Coord p) : Entity(p, true) {}
    void update() override {}
    void draw() override {}
};

TEST_F(Grids, AnEntityInAWedgeIsPushedAtMostSixTimesAStep) {
    // Two walls whose facing sides meet at a sharp angle: each pushes the
    // point onto its side line, which lies inside the other.
    CountingQuad* a = new CountingQuad(Coord(0, 100, 0), Coord(400, 100, 0), Coord(400, 0, 0), Coord(0, 0, 0));
    CountingQuad* b = new CountingQuad(Coord(0, 60, 0), Coord(400, 140, 0), Coord(400, 200, 0), Coord(0, 200, 0));
    level(500, 500);
    Walker* w = new Walker(Coord(100, 90, 0));
    Entity::updateAll();
    EXPECT_EQ(a->pushes + b->pushes, 6);
    EXPECT_GE(a->pushes, 2);
    EXPECT_GE(b->pushes, 2);
    Entity::updateAll();
    EXPECT_EQ(a->pushes + b->pushes, 12);
    w->toBeDeleted = true;
    Entity::updateAll();
    delete a;
    delete b;
    EXPECT_TRUE(sp->walls.shapes.empty());
}

TEST_F(Grids, BrokenShapesAndSizesAreSurvived) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    std::vector<CollisionShape*> shapes = {
        new Quad(Coord(nan, 0, 0), Coord(10, 0, 0), Coord(10, 10, 0), Coord(0, 10, 0), 0),
        new Quad(Coord(0, 0, 0), Coord(0, 0, 0), Coord(0, 0, 0), Coord(0, 0, 0), 0),
        new Quad(Coord(-1e9f, -1e9f, 0), Coord(1e9f, -1e9f, 0), Coord(1e9f, 1e9f, 0), Coord(-1e9f, 1e9f, 0), 0),
        new Disk(Coord(inf, 5, 0), 10),
        new Disk(Coord(5, 5, 0), nan),
        new InnerDisk(Coord(100, 100, 0), nan, 0),
        new InnerDisk(Coord(100, 100, 0), -50, 0),
        new InnerDisk(Coord(100, 100, 0), 1e7f, 0),
        new InnerDisk(Coord(100, 100, 0), 0, 0),
    };
    level(1000, 1000);
    Coord p(500, 500, 0);
    // The huge quad covers the level; the inner disks of radius 0 and
    // radius 1e7 say everything, or nothing, is wall: any answer, no crash.
    sp->walls.getFirstObject(p);
    new TestTarget(Coord(nan, nan, 0), 5);
    new TestTarget(Coord(5, 5, 0), -20);
    TestTarget* huge = new TestTarget(Coord(5, 5, 0), 2000000000);
    EXPECT_EQ(huge->radius, ReactsToWeaponOrPlayer::MAX_RADIUS);
    Coord far(30000, 5, 0);
    EXPECT_TRUE(huge->isPointInside(far, 2000000000));
    EXPECT_FALSE(huge->isPointInside(far, -2000000000));
    Walker* w = new Walker(Coord(300, 300, 0));
    for (int i = 0; i < 3; i++)
        Entity::updateAll();
    w->toBeDeleted = true;
    Entity::reset();
    for (CollisionShape* s : shapes)
        delete s;
    EXPECT_TRUE(sp->walls.shapes.empty());
    // Level sizes that are negative, broken or absurdly large give an empty grid.
    for (Coord size : {Coord(-100, 50, 0), Coord(nan, 100, 0), Coord(1e9f, 1e9f, 0)}) {
        SpacePartition::setBoundaries(size);
        sp->initWithTheLoadedMap();
        Coord q(10, 10, 0);
        EXPECT_EQ(sp->walls.getFirstObject(q), nullptr);
        EXPECT_EQ(sp->entities.getLink(q), nullptr);
    }
}

}  // namespace
