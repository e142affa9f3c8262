// The snake: building the chain, the head's hits and promotion, contact with
// the player, long chains, and elements removed by a script.
#include <gtest/gtest.h>

#include <cmath>

#include "EnemyTestSupport.h"

using actortest::Arena;
using actortest::DrawCounter;
using enemytest::SoundRecorder;
using enemytest::Weapon;

namespace {

std::vector<SnakeElement*> chainOf(SnakeElement* head) {
    std::vector<SnakeElement*> all;
    for (SnakeElement* e = head; e; e = e->next)
        all.push_back(e);
    return all;
}

}  // namespace

TEST(Snake, BuiltHeadFirstWithItsFrames) {
    Arena arena;
    SnakeElement* head = new SnakeElement(Coord(500, 500, 0), (float)(90 * M_PI / 180), 3, nullptr);
    std::vector<SnakeElement*> all = chainOf(head);
    ASSERT_EQ(all.size(), 4u);
    EXPECT_EQ(SnakeElement::count, 4);
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(all[i]->frame, i);
        EXPECT_EQ(Entity::entityVector[i], all[i]);
        EXPECT_EQ(all[i]->previous, i ? all[i - 1] : nullptr);
        EXPECT_FALSE(all[i]->collidesWithWalls);
        EXPECT_NEAR(all[i]->drawAngle, 90.0f, 1e-4);
    }
    EXPECT_TRUE(head->isHead);
    EXPECT_EQ(head->colour.g, 1.0f);
    EXPECT_EQ(head->colour.r, 0.0f);
    EXPECT_EQ(all[1]->colour.r, 1.0f);
    SnakeElement* single = new SnakeElement(Coord(500, 500, 0), 0, 0, nullptr);
    EXPECT_EQ(single->frame, 0);
    EXPECT_EQ(single->next, nullptr);
}

TEST(Snake, FollowersTrailTheHead) {
    Arena arena(4096, 4096);
    SnakeElement* head = new SnakeElement(Coord(2000, 2000, 0), 0, 3, nullptr);
    std::vector<SnakeElement*> all = chainOf(head);
    DrawCounter draws;
    int turns = 0, next = head->nextTurnTime;
    std::vector<Coord> path;
    for (int i = 0; i < 300; i++) {
        arena.step();
        path.push_back(head->position);
        if (head->nextTurnTime != next) {
            turns++;
            next = head->nextTurnTime;
        }
    }
    EXPECT_EQ(draws.count(), (uint64_t)(2 * turns));
    // Element k stands where the head was 11 * k steps earlier.
    for (int k = 1; k < 4; k++) {
        Coord was = path[path.size() - 1 - 11 * k];
        EXPECT_EQ(all[k]->position.x, was.x);
        EXPECT_EQ(all[k]->position.y, was.y);
    }
}

TEST(Snake, HeadDiesOnItsFourthHitAndTheNextLeads) {
    Arena arena(4096, 4096);
    SoundRecorder sounds;
    SnakeElement* head = new SnakeElement(Coord(2000, 2000, 0), 0, 2, nullptr);
    std::vector<SnakeElement*> all = chainOf(head);
    arena.run(30);
    Weapon bullet(1);
    EXPECT_TRUE(all[1]->reactToWeapon(&bullet));
    EXPECT_EQ(all[1]->life, 4);
    EXPECT_EQ(all[1]->flashUntil, 0);
    for (int i = 0; i < 3; i++) {
        EXPECT_TRUE(head->reactToWeapon(&bullet));
        EXPECT_EQ(head->flashUntil, Entity::time + 3);
    }
    EXPECT_FALSE(head->toBeDeleted);
    EXPECT_TRUE(head->reactToWeapon(nullptr));
    EXPECT_TRUE(head->toBeDeleted);
    EXPECT_FALSE(head->reactToWeapon(&bullet));
    EXPECT_EQ(sounds.count("/data/sounds/snake.caf"), 5);
    SnakeElement* second = all[1];
    EXPECT_TRUE(second->isHead);
    EXPECT_EQ(second->frame, 0);
    EXPECT_EQ(second->previous, nullptr);
    EXPECT_TRUE(second->collidesWithWalls);
    EXPECT_NEAR(second->heading, second->drawAngle * M_PI / 180, 1e-5);
    arena.step();
    EXPECT_EQ(SnakeElement::count, 2);
    Coord before = second->position;
    arena.step();
    EXPECT_NEAR(std::hypot(second->position.x - before.x, second->position.y - before.y), 5.0f, 1e-3);
    EXPECT_EQ(second->life, 4);
}

TEST(Snake, ContactRemovesTheWholeSnake) {
    for (int touched : {0, 2, 4}) {
        SCOPED_TRACE(touched);
        Arena arena(4096, 4096);
        Player* p = new Player(Coord(100, 100, 0));
        SnakeElement* head = new SnakeElement(Coord(2000, 2000, 0), 0, 4, nullptr);
        std::vector<SnakeElement*> all = chainOf(head);
        all[touched]->reactToCollisionWithPlayerCallback(p);
        all[touched]->reactToCollisionWithPlayerCallback(p);
        EXPECT_EQ(Player::getHitNumber(), 3);
        EXPECT_EQ(SnakeElement::numberOfTimesThePlayerGotHit, 1);
        for (SnakeElement* e : all)
            EXPECT_TRUE(e->toBeDeleted);
        // Every element bursts but the tail (unless it was touched).
        EXPECT_EQ(enemytest::countOf<Explosion>(), touched == 4 ? 5 : 4);
        arena.step();
        EXPECT_EQ(SnakeElement::count, 0);
    }
}

TEST(Snake, LongChainsAreHeldAndWalkedWithoutRecursion) {
    Arena arena(4096, 4096);
    Player* p = new Player(Coord(100, 100, 0));
    SnakeElement* head = new SnakeElement(Coord(2000, 2000, 0), 0, 100000, nullptr);
    EXPECT_EQ(SnakeElement::count, SnakeElement::MAX_LENGTH + 1);
    arena.step();
    SnakeElement* middle = head;
    for (int i = 0; i < 5000; i++)
        middle = middle->next;
    middle->reactToCollisionWithPlayerCallback(p);
    arena.step();
    EXPECT_EQ(SnakeElement::count, 0);
}

// A script that destroys one element leaves no neighbour pointing at it; the
// element behind stands still.
TEST(Snake, ElementDestroyedByAScriptUnlinksItself) {
    Arena arena(4096, 4096);
    SnakeElement* head = new SnakeElement(Coord(2000, 2000, 0), 0, 3, nullptr);
    std::vector<SnakeElement*> all = chainOf(head);
    arena.run(40);
    all[1]->toBeDeleted = true;
    arena.step();
    EXPECT_EQ(head->next, nullptr);
    EXPECT_EQ(all[2]->previous, nullptr);
    EXPECT_FALSE(all[2]->isHead);
    Coord still = all[2]->position;
    arena.run(30);
    EXPECT_EQ(all[2]->position.x, still.x);
    EXPECT_EQ(all[2]->position.y, still.y);
    Weapon bullet(1);
    EXPECT_TRUE(head->reactToWeapon(&bullet));
}
