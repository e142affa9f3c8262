// The player's ally: the elastic link, its strike points, hiding, standing
// still, and its links with the player in both directions.
#include <gtest/gtest.h>

#include <vector>

#include "actors/Player.h"
#include "actors/PlayerAlly.h"
#include "support/ActorTestKit.h"
#include "support/GraphicsTestSupport.h"

using actortest::Arena;
using actortest::DrawCounter;
using actortest::RecordingTarget;

TEST(Ally, LinkPullsOnlyBeyondItsRestLength) {
    struct Case {
        float apart;
        float pull;  // each body, toward the other
    };
    for (Case c : {Case{180, 0.0f}, Case{280, 1.3f}, Case{130, -0.65f}}) {
        Arena arena;
        Player* p = new Player(Coord(300, 500, 0));
        Player::setAlly(Coord(300 + c.apart - 10, 500, 0));
        PlayerAlly* a = Player::getAlly();
        arena.step();
        EXPECT_NEAR(p->position.x, 300 + c.pull, 1e-4) << c.apart;
        EXPECT_NEAR(a->position.x, 300 + c.apart - c.pull, 1e-4) << c.apart;
        EXPECT_FLOAT_EQ(a->linkScale, c.apart / 765.0f);
        EXPECT_NEAR(a->linkAngle, 180.0f, 1e-4) << "from the ally toward the player";
        EXPECT_FLOAT_EQ(a->midpoint.x, 300 + c.apart / 2);
    }
}

TEST(Ally, LinkStrikesFromTheThirdPointToTheThirdLast) {
    Arena arena;
    // 100 apart in one grid cell: k = 27 points of 100/27, i = 2 to 24.
    Player* p = new Player(Coord(390, 450, 0));
    Player::setAlly(Coord(480, 450, 0));
    RecordingTarget* second = new RecordingTarget(Coord(486, 450, 0), 0);  // i = 1
    RecordingTarget* third = new RecordingTarget(Coord(482, 450, 0), 0);   // i = 2
    RecordingTarget* last = new RecordingTarget(Coord(401, 450, 0), 0);    // i = 24
    RecordingTarget* beyond = new RecordingTarget(Coord(397, 450, 0), 0);  // i = 25
    RecordingTarget* whole = new RecordingTarget(Coord(442, 450, 0), 41);  // i = 2 to 24 only
    arena.refill();
    arena.step();
    EXPECT_TRUE(second->kinds.empty());
    EXPECT_EQ(third->kinds, (std::vector<int>{0}));
    EXPECT_EQ(last->kinds, (std::vector<int>{0}));
    EXPECT_TRUE(beyond->kinds.empty());
    EXPECT_EQ(whole->kinds.size(), 23u) << "once per point inside";
    ASSERT_FALSE(third->weapons.empty());
    (void)p;
}

TEST(Ally, LinkWeaponIsGreenAndStill) {
    // A target that reads the weapon while it is alive.
    struct Reader : RecordingTarget {
        Reader(Coord c, int r) : RecordingTarget(c, r) {}
        bool reactToWeapon(PlayerWeapon* w) override {
            colourTypes.push_back(colourTypeOf(w));
            speeds.push_back(velocityOf(w).getSquareDistance());
            projectiles.push_back(projectileOf(w));
            return RecordingTarget::reactToWeapon(w);
        }
        std::vector<int> colourTypes;
        std::vector<float> speeds;
        std::vector<Entity*> projectiles;
    };
    Arena arena;
    new Player(Coord(390, 450, 0));
    Player::setAlly(Coord(480, 450, 0));
    Reader* r = new Reader(Coord(442, 450, 0), 0);  // point i = 13
    arena.refill();
    arena.step();
    ASSERT_EQ(r->colourTypes.size(), 1u);
    EXPECT_EQ(r->colourTypes[0], 1);
    EXPECT_EQ(r->speeds[0], 0.0f);
    EXPECT_EQ(r->projectiles[0], nullptr) << "the link is no entity";
}

TEST(Ally, HiddenAllyStillMovesStrikesAndTouches) {
    Arena arena;
    new Player(Coord(390, 450, 0));
    Player::setAlly(Coord(480, 450, 0));
    PlayerAlly* a = Player::getAlly();
    Player::setCustomColor(true, Color(0.0f, 0.0f, 0.0f, 1.0f));
    ASSERT_TRUE(a->hidden);
    RecordingTarget* onLink = new RecordingTarget(Coord(440, 450, 0), 2);
    RecordingTarget* atAlly = new RecordingTarget(Coord(492, 450, 0), 4);
    arena.refill();
    arena.hold(0, 0, 90, 20);  // the ally steps 2 toward larger x
    arena.step();
    EXPECT_FALSE(onLink->kinds.empty());
    ASSERT_EQ(atAlly->contacts.size(), 1u);
    EXPECT_EQ(atAlly->contacts[0], a);
    EXPECT_GT(a->position.x, 490.0f);
}

TEST(Ally, StandingStillItOnlyDrawsItsTwoNumbers) {
    Arena arena;
    Player* p = new Player(Coord(390, 450, 0));
    Player::setAlly(Coord(480, 450, 0));
    PlayerAlly* a = Player::getAlly();
    Player::setCanMove(false);
    Player::setCanShoot(false);
    RecordingTarget* onLink = new RecordingTarget(Coord(440, 450, 0), 2);
    RecordingTarget* atAlly = new RecordingTarget(Coord(490, 450, 0), 4);
    arena.refill();
    arena.hold(90, 65, 90, 65);
    DrawCounter draws;
    arena.run(3);
    EXPECT_EQ(draws.count(), 6u);
    EXPECT_EQ(a->position.x, 490.0f);
    EXPECT_EQ(p->position.x, 390.0f);
    EXPECT_TRUE(onLink->kinds.empty());
    EXPECT_TRUE(atAlly->contacts.empty());
    EXPECT_FALSE(a->linkMeasured) << "no link is drawn before it is measured";
}

TEST(Ally, RemoveThenSetInOneStepKeepsTheNewAlly) {
    Arena arena;
    Player* p = new Player(Coord(300, 300, 0));
    Player::setAlly(Coord(400, 300, 0));
    PlayerAlly* old = Player::getAlly();
    Player::removeAlly();
    EXPECT_FALSE(p->hasCustomColor);
    EXPECT_TRUE(old->toBeDeleted);
    EXPECT_EQ(Player::getAlly(), nullptr);
    Player::setAlly(Coord(200, 300, 0));
    PlayerAlly* fresh = Player::getAlly();
    ASSERT_NE(fresh, old);
    arena.step();
    EXPECT_EQ(Player::getAlly(), fresh);
    EXPECT_TRUE(p->hasAlly);
}

TEST(Ally, AnAllyDestroyedByTheWorldDetachesItself) {
    Arena arena;
    Player* p = new Player(Coord(300, 300, 0));
    Player::setAlly(Coord(400, 300, 0));
    Player::getAlly()->toBeDeleted = true;
    arena.step();
    EXPECT_FALSE(p->hasAlly);
    EXPECT_EQ(p->ally, nullptr);
    EXPECT_EQ(Player::getAlly(), nullptr);
    arena.hold(90, 65, 0, 0);
    arena.step();
    EXPECT_FLOAT_EQ(Player::getSpeed(), 65 / 12.0f) << "the ally's speed is gone with it";
}

TEST(Ally, WithoutItsPlayerItDrawsItsNumbersAndShowsModelZero) {
    ASSERT_TRUE(graphicstest::ensureGlContext());
    Arena arena(1024, 1024, 1, 10);
    Player* p = new Player(Coord(300, 300, 0));
    Player::setAlly(Coord(400, 300, 0));
    PlayerAlly* a = Player::getAlly();
    arena.step();
    p->toBeDeleted = true;
    arena.step();
    EXPECT_EQ(a->player, nullptr);
    Coord at = a->position;
    DrawCounter draws;
    arena.hold(90, 65, 90, 65);
    arena.run(2);
    EXPECT_EQ(draws.count(), 4u);
    EXPECT_EQ(a->position.x, at.x);
    graphicstest::resetGlState();
    a->draw();
}
