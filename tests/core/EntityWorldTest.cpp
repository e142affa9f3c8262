// The world list: update order, deletions, reset, culling and wall pushes.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <vector>

#include "core/CollisionShape.h"
#include "core/Device.h"
#include "core/Entity.h"
#include "core/Quad.h"
#include "core/ReactsToWeaponOrPlayer.h"
#include "core/SpacePartition.h"
#include "levelplay/StatePlay.h"
#include "support/TestTarget.h"

namespace {

std::vector<std::string> journal;

// An entity that logs its updates, collisions and draws, and runs an action
// in its update.
class Probe : public Entity {
public:
    Probe(std::string name_, Coord p = Coord(1, 1, 0), bool walls = false) : Entity(p, walls), name(name_) {}
    ~Probe() override {
        journal.push_back("~" + name);
        if (onDestroy)
            onDestroy();
    }
    void update() override {
        journal.push_back("u" + name);
        updates++;
        if (onUpdate)
            onUpdate();
    }
    void draw() override { journal.push_back("d" + name); }
    std::string name;
    int updates = 0;
    std::function<void()> onUpdate;
    std::function<void()> onDestroy;
};

// A wall that contains every point and pushes it only slightly.
class Sticky : public CollisionShape {
public:
    Sticky() : CollisionShape(0) {}
    bool isPointInside(Coord) override { return true; }
    float getAngleOfNormal(Coord) override { return 0.0f; }
    void projectOnSide(Coord* p) override {
        p->x += 1.0f;
        projections++;
    }
    float getRightMostPoint() override { return 100; }
    float getHighestPoint() override { return 100; }
    float getLeftMostPoint() override { return 0; }
    float getLowestPoint() override { return 0; }
    void draw() override {}
    int projections = 0;
};

class EntityWorld : public ::testing::Test {
protected:
    void SetUp() override {
        Entity::reset();
        journal.clear();
    }
    void TearDown() override { Entity::reset(); }
    static void expectIndicesMatch() {
        for (size_t i = 0; i < Entity::entityVector.size(); i++)
            ASSERT_EQ(Entity::entityVector[i]->getIndex(), (int)i);
    }
};

TEST_F(EntityWorld, OnlyEntitiesPresentAtTheStartAreUpdatedAndCollided) {
    SpacePartition sp;
    Sticky wall;
    CollisionShape::init(&sp.walls);
    sp.walls.addObject(&wall);
    Entity::init(&sp);
    SpacePartition::setBoundaries(Coord(100, 100, 0));
    sp.initWithTheLoadedMap();
    Probe* a = new Probe("a", Coord(10, 10, 0), true);
    Probe* child = nullptr;
    a->onUpdate = [&] {
        if (!child)
            child = new Probe("c", Coord(10, 10, 0), true);
    };
    Entity::updateAll();
    EXPECT_EQ(Entity::getTime(), 1);
    EXPECT_EQ(journal, (std::vector<std::string>{"ua"}));
    ASSERT_NE(child, nullptr);
    // Only a was pushed: six projections at most, none for the new entity.
    EXPECT_EQ(wall.projections, 6);
    EXPECT_FLOAT_EQ(a->position.x, 16.0f);
    EXPECT_FLOAT_EQ(child->position.x, 10.0f);
    journal.clear();
    Entity::updateAll();
    EXPECT_EQ(journal, (std::vector<std::string>{"ua", "uc"}));
    EXPECT_EQ(wall.projections, 18);
    Entity::reset();
    sp.walls.removeObject(&wall);
}

TEST_F(EntityWorld, AnEntityBornDeletedIsDestroyedInTheSameStepUnseen) {
    Probe* a = new Probe("a");
    a->onUpdate = [&] {
        Probe* b = new Probe("b");
        b->toBeDeleted = true;
        a->onUpdate = nullptr;
    };
    Entity::updateAll();
    EXPECT_EQ(journal, (std::vector<std::string>{"ua", "~b"}));
    EXPECT_EQ(Entity::entityVector.size(), 1u);
}

TEST_F(EntityWorld, AdjacentDeletionsAllGo) {
    std::vector<Probe*> p;
    for (int i = 0; i < 6; i++)
        p.push_back(new Probe(std::to_string(i)));
    // Slots 1 and 2 flagged, and the last one, which moves into slot 1.
    p[1]->toBeDeleted = p[2]->toBeDeleted = p[5]->toBeDeleted = true;
    p[0]->onUpdate = [] {};
    Entity::updateAll();
    ASSERT_EQ(Entity::entityVector.size(), 3u);
    for (Entity* e : Entity::entityVector)
        EXPECT_FALSE(e->toBeDeleted);
    expectIndicesMatch();
}

TEST_F(EntityWorld, AnEntityMadeByADestructorIsKeptOrDestroyedNotLeaked) {
    Probe* a = new Probe("a");
    a->toBeDeleted = true;
    a->onDestroy = [] { new Probe("orphan"); };
    new Probe("b");
    Entity::updateAll();
    ASSERT_EQ(Entity::entityVector.size(), 2u);
    expectIndicesMatch();
    // Reset loops on the live size: the entity a destructor makes goes too.
    Probe* c = (Probe*)Entity::entityVector[0];
    c->onDestroy = [] { new Probe("late"); };
    Entity::reset();
    EXPECT_TRUE(Entity::entityVector.empty());
    EXPECT_NE(std::find(journal.begin(), journal.end(), "~late"), journal.end());
}

TEST_F(EntityWorld, DestroyingTheOnlyEntityReleasesTheList) {
    Probe* a = new Probe("a");
    a->toBeDeleted = true;
    Entity::updateAll();
    EXPECT_EQ(Entity::entityVector.capacity(), 0u);
    Probe* b = new Probe("b");
    EXPECT_EQ(b->getIndex(), 0);
}

int hookCalls = 0;
void countingHook() { hookCalls++; }

TEST_F(EntityWorld, ResetClearsTimeAndRunsEveryHookOnce) {
    Entity::addResetHook(countingHook);
    Entity::addResetHook(countingHook);
    Entity::setTime(77);
    hookCalls = 0;
    Entity::reset();
    EXPECT_EQ(hookCalls, 1);
    EXPECT_EQ(Entity::getTime(), 0);
    EXPECT_EQ(Entity::spacePartition, nullptr);
    EXPECT_NE(Entity::explosions, nullptr);
    EXPECT_NE(Entity::soundManager, nullptr);
}

TEST_F(EntityWorld, IndicesMatchPositionsAfterRandomAddsAndRemoves) {
    SpacePartition sp;
    Entity::init(&sp);
    CollisionShape::init(&sp.walls);
    SpacePartition::setBoundaries(Coord(1000, 1000, 0));
    sp.initWithTheLoadedMap();
    std::mt19937 gen(5);
    std::vector<Quad*> quads;
    for (int round = 0; round < 200; round++) {
        int adds = gen() % 6;
        for (int i = 0; i < adds; i++) {
            Coord p((float)(gen() % 1000), (float)(gen() % 1000), 0);
            if (gen() % 2)
                new TestTarget(p, 5 + gen() % 30);
            else
                new Probe("p");
            float x = (float)(gen() % 900), y = (float)(gen() % 900);
            quads.push_back(
                new Quad(Coord(x, y, 0), Coord(x + 50, y, 0), Coord(x + 50, y + 50, 0), Coord(x, y + 50, 0), 0));
        }
        for (Entity* e : Entity::entityVector)
            if (gen() % 3 == 0)
                e->toBeDeleted = true;
        for (Quad* q : quads)
            if (gen() % 4 == 0)
                sp.walls.removeObject(q);
        Entity::updateAll();
        expectIndicesMatch();
        for (size_t i = 0; i < sp.entities.targets.size(); i++)
            ASSERT_EQ(sp.entities.targets[i]->indexInSP, i);
        for (size_t i = 0; i < sp.walls.shapes.size(); i++)
            ASSERT_EQ(sp.walls.shapes[i]->index, (int)i);
    }
    Entity::reset();
    for (Quad* q : quads)
        delete q;
    EXPECT_TRUE(sp.walls.shapes.empty());
}

TEST_F(EntityWorld, UntiltedDrawingSkipsEntitiesOffCamera) {
    Coord cam(0, 0, 0);
    StatePlay::setCamera(cam);
    StatePlay::calculateCameraLimits();
    new Probe("in", Coord(10, 10, 0));
    Probe* out = new Probe("out", Coord(100000, 0, 0));
    // An entity's own rule decides; the probe's base rule is "visible", so it
    // asks the camera through the margin form.
    EXPECT_FALSE(out->calculateIfIsVisible());
    EXPECT_TRUE(Entity::entityVector[0]->calculateIfIsVisible());
    TestTarget* far = new TestTarget(Coord(100000, 0, 0), 10);
    TestTarget* near = new TestTarget(Coord(5, 5, 0), 10);
    journal.clear();
    Entity::drawAll(0, 0, 0);
    EXPECT_EQ(journal, (std::vector<std::string>{"din", "dout"}));
    EXPECT_FALSE(far->isVisible());
    EXPECT_TRUE(near->isVisible());
    journal.clear();
    Entity::drawAll(0, 0, 10);
    EXPECT_EQ(journal.size(), 2u);
}

TEST_F(EntityWorld, CameraLimitsFollowScreenAndZoom) {
    StatePlay::setZoom(2.0f);
    StatePlay::calculateCameraLimits();
    float realZoom = 2.0f * Device::zoom;
    EXPECT_FLOAT_EQ(StatePlay::cameraVisibleLimitX, Device::screenWidth / realZoom / 2);
    EXPECT_FLOAT_EQ(StatePlay::cameraVisibleLimitY, Device::screenHeight / realZoom / 2);
    Coord cam(100, 100, 0);
    StatePlay::setCamera(cam);
    Probe* p = new Probe("p", Coord(100 + StatePlay::cameraVisibleLimitX + 7, 100, 0));
    EXPECT_FLOAT_EQ(StatePlay::getMaxDistanceOffCamera(p), 7.0f);
    StatePlay::setZoom(1.0f);
}

TEST_F(EntityWorld, PlayerDistancesWithoutAPlayer) {
    Probe* p = new Probe("p");
    EXPECT_EQ(p->getDistanceFromPlayer(), 99999.0f);
    EXPECT_EQ(p->getSquareDistanceFromPlayer(), 99999.0f);
    Entity::setPlayerDistanceFunctions([](Coord& c) { return c.x * c.x; }, [](Coord& c) { return c.x; });
    p->position.x = 3;
    EXPECT_EQ(p->getDistanceFromPlayer(), 3.0f);
    EXPECT_EQ(p->getSquareDistanceFromPlayer(), 9.0f);
    Entity::setPlayerDistanceFunctions(nullptr, nullptr);
}

TEST_F(EntityWorld, TargetsAndShapesWithoutALevel) {
    CollisionShape::init(nullptr);
    TestTarget* t = new TestTarget(Coord(5, 5, 0), 3);
    EXPECT_EQ(t->indexInSP, ReactsToWeaponOrPlayer::NOT_LISTED);
    Quad q(Coord(0, 0, 0), Coord(10, 0, 0), Coord(10, 10, 0), Coord(0, 10, 0), 0);
    EXPECT_EQ(q.registeredIn, nullptr);
    Entity::updateAll();
    Entity::reset();
    // A grid destroyed before its shapes and targets leaves them unlisted.
    SpacePartition* sp = new SpacePartition();
    CollisionShape::init(&sp->walls);
    Entity::init(sp);
    Quad* q2 = new Quad(Coord(0, 0, 0), Coord(10, 0, 0), Coord(10, 10, 0), Coord(0, 10, 0), 0);
    Entity::reset();
    EXPECT_EQ(q2->registeredIn, &sp->walls);
    delete sp;
    EXPECT_EQ(q2->registeredIn, nullptr);
    EXPECT_EQ(CollisionShape::wsp, nullptr);
    delete q2;
}

}  // namespace

// The live set is probed by every script handle: it must keep answering for
// every address while it grows past several sizes, shrinks to nothing and
// grows again, with entities destroyed in any order (each removal moves up
// the entries probed past it).
TEST_F(EntityWorld, LiveSetAnswersForEveryAddressAsEntitiesComeAndGo) {
    struct Still : Entity {
        Still() : Entity(false) {}
        void update() override {}
        void draw() override {}
    };
    std::mt19937 rng(7);
    std::vector<Entity*> live;
    std::vector<const void*> gone;
    auto check = [&](int round) {
        for (Entity* e : live)
            ASSERT_TRUE(Entity::isLive(e)) << "round " << round;
        for (const void* p : gone) {
            if (std::find(live.begin(), live.end(), p) == live.end()) {
                ASSERT_FALSE(Entity::isLive(p)) << "round " << round;
            }
        }
    };
    // Numbers made and the share destroyed (per 8) in each round.
    const struct {
        int make, destroyEighths;
    } rounds[] = {{40, 1}, {300, 2}, {900, 1}, {1500, 3}, {0, 5}, {0, 8}, {700, 4}, {50, 8}, {2000, 2}};
    int round = 0;
    for (const auto& r : rounds) {
        for (int k = 0; k < r.make; k++)
            live.push_back(new Still());
        std::vector<Entity*> kept;
        for (Entity* e : live) {
            if ((int)(rng() % 8) < r.destroyEighths) {
                e->toBeDeleted = true;
                gone.push_back(e);
            } else {
                kept.push_back(e);
            }
        }
        live.swap(kept);
        Entity::updateAll();
        check(round++);
    }
    Entity::reset();
    for (Entity* e : live)
        EXPECT_FALSE(Entity::isLive(e));
}

TEST_F(EntityWorld, LiveRegistryAndLastHitsFollowDestructionAndReset) {
    Probe* a = new Probe("a");
    Probe* b = new Probe("b");
    int local = 0;
    EXPECT_TRUE(Entity::isLive(a));
    EXPECT_FALSE(Entity::isLive(&local));
    EXPECT_FALSE(Entity::isLive(nullptr));
    a->numberOfHits = 7;
    const void* gone = a;
    a->toBeDeleted = true;
    Entity::updateAll();
    EXPECT_FALSE(Entity::isLive(gone));
    EXPECT_TRUE(Entity::isLive(b));
    EXPECT_EQ(Entity::lastHitsOf(gone), 7);
    EXPECT_EQ(Entity::lastHitsOf(b), 0);
    Entity::reset();
    EXPECT_FALSE(Entity::isLive(b));
    EXPECT_EQ(Entity::lastHitsOf(gone), 0);
}

// The live set holds through growth and through deletions in any order: an
// entity is live from its making to its deletion, and no other is (fewer
// deletions than the quarantine holds, so no address comes back).
TEST_F(EntityWorld, LivenessFollowsManyMakingsAndDeletions) {
    std::mt19937 random(7);
    std::vector<Probe*> live;
    std::vector<const void*> gone;
    for (int round = 0; round < 5; round++) {
        for (int i = 0; i < 600; i++)
            live.push_back(new Probe("n"));
        std::shuffle(live.begin(), live.end(), random);
        size_t keep = live.size() / 3;
        for (size_t i = keep; i < live.size(); i++) {
            live[i]->toBeDeleted = true;
            gone.push_back(live[i]);
        }
        live.resize(keep);
        Entity::updateAll();
        for (Probe* p : live)
            ASSERT_TRUE(Entity::isLive(p)) << "round " << round;
        for (const void* p : gone)
            ASSERT_FALSE(Entity::isLive(p)) << "round " << round;
    }
    Entity::reset();
    for (Probe* p : live)
        EXPECT_FALSE(Entity::isLive(p));
}

// A handle kept past its entity's end must not come to name a later entity:
// the allocator would hand the freed block straight to the next one made.
TEST_F(EntityWorld, AGoneEntitysAddressIsNotReusedSoon) {
    Probe* a = new Probe("a");
    const void* gone = a;
    a->toBeDeleted = true;
    Entity::updateAll();
    std::vector<Probe*> made;
    for (int i = 0; i < 1000; i++)
        made.push_back(new Probe("n"));
    EXPECT_FALSE(Entity::isLive(gone));
    for (Probe* p : made)
        EXPECT_NE((const void*)p, gone);
    for (Probe* p : made)
        p->toBeDeleted = true;
    Entity::updateAll();
}
