// The tutorial target: every weapon counts, and the hits of one step start
// one flash at its next update.
#include <gtest/gtest.h>

#include "BossRockAndDrifterTestSupport.h"
#include "actors/TutorialTarget.h"

using actortest::Arena;
using enemytest::Weapon;

TEST(TutorialTarget, ThreeShotsInAStepAddThreeAndStartOneFlash) {
    Arena arena;
    TutorialTarget* t = new TutorialTarget(Coord(500, 500, 0));
    for (float a : t->axis) {
        EXPECT_GE(a, 0.0f);
        EXPECT_LT(a, 1.0f);
    }
    Weapon ram(2), link(0);
    EXPECT_TRUE(t->reactToWeapon(&ram));
    EXPECT_TRUE(t->reactToWeapon(&link));
    EXPECT_TRUE(t->reactToWeapon(nullptr));
    EXPECT_EQ(t->numberOfHits, 3);
    EXPECT_EQ(t->flashUntil, 0) << "the flash starts at the next update";
    arena.step();
    int started = Entity::time;
    EXPECT_EQ(t->flashUntil, started + 2);
    arena.step();
    EXPECT_EQ(t->flashUntil, started + 2) << "one flash only";
    t->reactToCollisionWithPlayerCallback(nullptr);
    EXPECT_EQ(t->numberOfHits, 3);
}
