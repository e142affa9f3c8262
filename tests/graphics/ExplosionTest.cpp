// Effect entities: lifetimes, fades and the switched-off explosions.
#include <gtest/gtest.h>

#include "core/Entity.h"
#include "core/Game.h"
#include "graphics/Explosion.h"
#include "graphics/FloatingMessage.h"
#include "graphics/PlayerExplosion.h"
#include "graphics/TexturedExplosionsHandler.h"
#include "support/GraphicsTestSupport.h"
#include "support/StateGuards.h"

namespace {

class Effects : public ::testing::Test {
protected:
    // The effects build their shared buffers and fonts on first use: in the
    // program's one GL context, whichever test comes first.
    void SetUp() override {
        ASSERT_TRUE(graphicstest::ensureGlContext());
        Entity::reset();
    }
    void TearDown() override { Entity::reset(); }
    ExplosionActivationGuard activation{true};
    SavedValue<bool> flashes{TexturedExplosionsHandler::getInstance()->enabled};
    // Steps until the entity is gone; returns the step it was deleted in.
    template <class T>
    static int stepUntilGone(T* e, std::vector<float>* alphas = nullptr) {
        while (true) {
            Entity::updateAll();
            if (Entity::entityVector.empty())
                return Entity::time;
            if (alphas)
                alphas->push_back(e->alpha);
        }
    }
};

TEST_F(Effects, ExplosionMadeInStep100FadesAfter120AndGoesIn139) {
    Entity::setTime(100);
    Explosion* e = new Explosion(Coord(5, 5, 0), Color(1, 0, 0), 100, 1.0f);
    std::vector<float> alphas;
    int gone = stepUntilGone(e, &alphas);
    EXPECT_EQ(gone, 139);
    // Alphas after the updates of steps 101 to 138.
    for (int step = 101; step <= 120; step++)
        EXPECT_EQ(alphas[step - 101], 1.0f) << step;
    EXPECT_LT(alphas[121 - 101], 1.0f);
    EXPECT_EQ(alphas.size(), 38u);
}

TEST_F(Effects, ExplosionSparkRunsAndColours) {
    Explosion* all = new Explosion(Coord(0, 0, 0), 1, 600, 1.0f);
    EXPECT_EQ(all->count, 500);
    EXPECT_EQ(all->offset, 0);
    for (int i = 0; i < 50; i++) {
        Explosion* e = new Explosion(Coord(0, 0, 0), 1, 499, 1.0f);
        EXPECT_TRUE(e->offset == 0 || e->offset == 24);
        Explosion* few = new Explosion(Coord(0, 0, 0), 1, 100, 1.0f);
        EXPECT_EQ(few->offset % 24, 0);
        EXPECT_LE(few->offset / 24 + few->count, 500);
        Explosion* none = new Explosion(Coord(0, 0, 0), 1, -5, 1.0f);
        EXPECT_EQ(none->count, 0);
    }
    for (int index : {9, -1}) {
        Explosion* white = new Explosion(Coord(0, 0, 0), index, 10, 1.0f);
        EXPECT_TRUE(white->colour1.equals(&white->colour2));
        EXPECT_EQ(white->colour1.r, 1.0f);
        EXPECT_EQ(white->colour1.b, 1.0f);
        EXPECT_TRUE(white->sameColours);
    }
    Explosion* zero = new Explosion(Coord(0, 0, 0), 0, 10, 1.0f);
    EXPECT_FLOAT_EQ(zero->colour1.g, 0.3f);
    EXPECT_FLOAT_EQ(zero->colour2.g, 0.0f);
    EXPECT_FALSE(zero->sameColours);
}

TEST_F(Effects, SwitchedOffExplosionLivesItsNormalLifeUndrawn) {
    Explosion::isActivated = false;
    Explosion* e = new Explosion(Coord(5, 5, 0), 3, 100, 1.0f);
    EXPECT_TRUE(e->hidden);
    EXPECT_FALSE(e->toBeDeleted);
    EXPECT_EQ(stepUntilGone(e), 39);
}

TEST_F(Effects, PlayerExplosionLives51StepsAndDrawsFromTheSharedGenerator) {
    Game::mtRand.seed(42);
    PlayerExplosion* a = new PlayerExplosion(Coord(0, 0, 0));
    PlayerExplosion* b = new PlayerExplosion(Coord(0, 0, 0), Color(0, 1, 0));
    EXPECT_NE(a->rotationFactor, b->rotationFactor);
    EXPECT_EQ(a->colour.r, 1.0f);
    EXPECT_EQ(a->colour.g, 0.0f);
    Game::mtRand.seed(42);
    float expected = (float)((Game::rand() % 600 - 300) / 10.0);
    EXPECT_EQ(a->rotationFactor, expected);
    EXPECT_GE(a->rotationFactor, -30.0f);
    EXPECT_LT(a->rotationFactor, 30.0f);
    b->toBeDeleted = true;
    std::vector<float> alphas;
    EXPECT_EQ(stepUntilGone(a, &alphas), 51);
    for (int i = 0; i < 30; i++)
        EXPECT_EQ(alphas[i], 1.0f) << i;
    EXPECT_LT(alphas[30], 1.0f);
}

TEST_F(Effects, PlayerExplosionFinalScale) {
    PlayerExplosion* a = new PlayerExplosion(Coord(0, 0, 0));
    float scale = 0;
    for (int i = 0; i < 50; i++) {
        Entity::updateAll();
        scale = a->scale;
    }
    Entity::updateAll();
    EXPECT_TRUE(Entity::entityVector.empty());
    EXPECT_NEAR(scale + 0.0005f, 0.6575f, 0.001f);
}

TEST_F(Effects, FloatingMessageLives100StepsRisingTo705) {
    Entity::setTime(10);
    FloatingMessage* m = new FloatingMessage(Coord(3, 4, 0), "", Color(1, 1, 1));
    EXPECT_EQ(m->position.z, 5.0f);
    EXPECT_EQ(m->expiry, 30);
    EXPECT_EQ(m->alpha, 2.0f);
    std::vector<float> alphas;
    float lastZ = 0;
    while (true) {
        Entity::updateAll();
        if (Entity::entityVector.empty())
            break;
        alphas.push_back(m->alpha);
        lastZ = m->position.z;
    }
    EXPECT_EQ(Entity::time, 110);
    ASSERT_EQ(alphas.size(), 99u);
    EXPECT_GT(alphas[48], 1.0f);
    EXPECT_LE(alphas[50], 1.0f);
    EXPECT_FLOAT_EQ(lastZ, 5.0f + 99 * 7.0f);
}

}  // namespace

namespace {

// Groups of lit pixels touching each other (8 neighbours).
int litGroups(const graphicstest::Pixels& p) {
    std::vector<char> seen((size_t)p.width * p.height, 0);
    int groups = 0;
    for (int y0 = 0; y0 < p.height; y0++)
        for (int x0 = 0; x0 < p.width; x0++) {
            const unsigned char* c = p.at(x0, y0);
            if (seen[(size_t)y0 * p.width + x0] || !(c[0] || c[1] || c[2]))
                continue;
            groups++;
            std::vector<std::pair<int, int>> stack = {{x0, y0}};
            seen[(size_t)y0 * p.width + x0] = 1;
            while (!stack.empty()) {
                auto [x, y] = stack.back();
                stack.pop_back();
                for (int dy = -1; dy <= 1; dy++)
                    for (int dx = -1; dx <= 1; dx++) {
                        int nx = x + dx, ny = y + dy;
                        if (nx < 0 || ny < 0 || nx >= p.width || ny >= p.height)
                            continue;
                        const unsigned char* n = p.at(nx, ny);
                        if (seen[(size_t)ny * p.width + nx] || !(n[0] || n[1] || n[2]))
                            continue;
                        seen[(size_t)ny * p.width + nx] = 1;
                        stack.push_back({nx, ny});
                    }
            }
        }
    return groups;
}

}  // namespace

// Two colours split the sparks into whole ones: an odd count draws every spark
// as a line of its own, none joined to the next one and none lost.
TEST_F(Effects, OddSparkCountsInTwoColoursDrawEverySparkApart) {
    REQUIRE_GL();
    // Spark directions come from the C generator: fixed ones, whose first
    // sparks do not cross.
    srand(1);
    Explosion::calcTheVertexes(false);
    for (int count : {7, 8}) {
        graphicstest::resetGlState();
        Explosion* e = new Explosion(Coord(512, 300, 0), 0, count, 1.0f);
        ASSERT_FALSE(e->sameColours);
        e->offset = 0;
        e->frame = 4;
        e->update();
        e->draw();
        EXPECT_EQ(litGroups(graphicstest::readPixels()), count) << count;
    }
}
