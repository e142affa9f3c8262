// Level devices: spring, fan, hard disk and the wrap-around zone.
#include <gtest/gtest.h>

#include <cmath>

#include "EnemyTestSupport.h"
#include "actors/BadBulletLua.h"
#include "actors/Fan.h"
#include "actors/HardDisk.h"
#include "actors/Spring.h"
#include "actors/TeletransportingZone.h"

using actortest::Arena;
using enemytest::Weapon;

namespace {

struct SpringCase {
    int type;
    float strength;
    float startDistance;
    float moved;  // along the anchor-to-player direction, one update
};

}  // namespace

TEST(Spring, PullAndPushByType) {
    const SpringCase cases[] = {
        {Spring::ROPE, 1.0f, 50.0f, 0.0f},                                           // free within 100
        {Spring::ROPE, 1.0f, 99.0f, 0.0f},    {Spring::ROPE, 1.0f, 300.0f, -10.0f},  // pulled: -0.05 * 200
        {Spring::ROPE, 2.0f, 300.0f, 0.0f},                                          // L = 150 is within 100 * strength
        {Spring::ROPE, 2.0f, 500.0f, -2.5f},                                         // L = 250: -0.05 * 50
        {Spring::BAND, 1.0f, 50.0f, 2.5f},                                           // pushed out toward 100
        {Spring::BAND, 1.0f, 300.0f, -10.0f}, {7, 1.0f, 50.0f, 2.5f},                // an unknown type acts as a band
    };
    for (const SpringCase& c : cases) {
        SCOPED_TRACE(c.type * 1000 + c.startDistance + c.strength);
        Arena arena(2048, 2048);
        new Player(Coord(1000 + c.startDistance, 1000, 0));
        Spring* s = new Spring(Coord(1000, 1000, 0), (Spring::Type)c.type, c.strength);
        s->update();
        EXPECT_NEAR(Player::getCoord().x, 1000 + c.startDistance + c.moved, 1e-3);
        EXPECT_EQ(Player::getCoord().y, 1000.0f);
        EXPECT_GT(s->stretch, 0.0f);
    }
}

// A player right on the anchor has no direction: it is not pushed, and no
// NaN reaches its position.
TEST(Spring, PlayerOnTheAnchorStays) {
    Arena arena(2048, 2048);
    new Player(Coord(1000, 1000, 0));
    Spring* s = new Spring(Coord(1000, 1000, 0), Spring::BAND, 1.0f);
    s->update();
    EXPECT_EQ(Player::getCoord().x, 1000.0f);
    EXPECT_EQ(Player::getCoord().y, 1000.0f);
    EXPECT_EQ(s->stretch, 0.0001f);
}

TEST(Spring, StrengthMustBePositive) {
    EXPECT_FALSE(Spring::acceptsStrength(0.0f));
    EXPECT_FALSE(Spring::acceptsStrength(-1.0f));
    EXPECT_TRUE(Spring::acceptsStrength(1.0f / 255.0f));
}

// Touched, the fan blows for 18 steps (33/2.8 down to -1/2.8 a step), then
// recharges for 35 and can blow again.
TEST(Fan, BlowThenRecharge) {
    Arena arena(4096, 4096);
    Player* p = new Player(Coord(2000, 2000, 0));
    Fan* f = new Fan(Coord(1900, 2000, 0));
    f->reactToCollisionWithPlayerCallback(p);
    EXPECT_TRUE(f->blowing);
    std::vector<float> pushes;
    for (int i = 0; i < 18; i++) {
        float x = Player::getCoord().x;
        f->update();
        pushes.push_back(Player::getCoord().x - x);
    }
    EXPECT_NEAR(pushes.front(), 33 / 2.8f, 1e-3);
    EXPECT_NEAR(pushes.back(), -1 / 2.8f, 1e-3);
    EXPECT_FALSE(f->blowing);
    EXPECT_FALSE(f->ready);
    f->reactToCollisionWithPlayerCallback(p);
    EXPECT_FALSE(f->blowing);
    for (int i = 0; i < 34; i++)
        f->update();
    EXPECT_FALSE(f->ready);
    f->update();
    EXPECT_TRUE(f->ready);
    Weapon bullet(1);
    EXPECT_FALSE(f->reactToWeapon(&bullet));
}

TEST(Fan, DoesNotBlowABodyOnItsCentre) {
    Arena arena(2048, 2048);
    Player* p = new Player(Coord(1000, 1000, 0));
    Fan* f = new Fan(Coord(1000, 1000, 0));
    f->reactToCollisionWithPlayerCallback(p);
    for (int i = 0; i < 20; i++)
        f->update();
    EXPECT_EQ(Player::getCoord().x, 1000.0f);
    EXPECT_EQ(Player::getCoord().y, 1000.0f);
}

TEST(HardDisk, CountsEveryWeaponAndKeepsBodiesOut) {
    Arena arena(2048, 2048);
    Player* p = new Player(Coord(1000, 1000, 0));
    HardDisk* d = new HardDisk(Coord(1000, 1000, 0), 50);
    Weapon link(0), bullet(1), ram(2), fusion(3);
    for (PlayerWeapon* w : {(PlayerWeapon*)&link, (PlayerWeapon*)&bullet, (PlayerWeapon*)&ram, (PlayerWeapon*)&fusion,
                            (PlayerWeapon*)nullptr})
        EXPECT_TRUE(d->reactToWeapon(w));
    EXPECT_EQ(d->getHitCount(), 5);
    d->setHitCount(0);
    EXPECT_EQ(d->getHitCount(), 0);
    // On the centre: out along +x.
    d->reactToCollisionWithPlayerCallback(p);
    EXPECT_EQ(p->position.x, 1051.0f);
    EXPECT_EQ(p->position.y, 1000.0f);
    p->position = Coord(1000, 990, 0);
    d->reactToCollisionWithPlayerCallback(p);
    EXPECT_NEAR(p->position.y, 949.0f, 1e-3);
}

namespace {

struct WrapCase {
    float x, y;
    float toX, toY;
};

}  // namespace

TEST(TeletransportingZone, WrapsToOneUnitInsideTheOppositeEdge) {
    const WrapCase cases[] = {
        {50, 500, 899, 500},   // left of xMin
        {500, 50, 500, 899},   // below yMin
        {950, 500, 101, 500},  // right of xMax
        {500, 950, 500, 101},  // above yMax
        {0, 500, 0, 500},      // x <= 0 is never wrapped by the lower edge
        {-30, 500, -30, 500},
        {500, -5, 500, -5},
        {500, 500, 500, 500},  // inside
        // A corner: the later call puts the other coordinate back.
        {950, 950, 950, 101},
    };
    for (const WrapCase& c : cases) {
        SCOPED_TRACE(c.x * 10000 + c.y);
        Arena arena;
        Color white(1.0f, 1.0f, 1.0f);
        BadBulletLua* b = new BadBulletLua(Coord(c.x, c.y, 0), 0, 0, white, 0);
        TeletransportingZone* z = new TeletransportingZone(100, 900, 100, 900);
        z->update();
        EXPECT_EQ(b->position.x, c.toX);
        EXPECT_EQ(b->position.y, c.toY);
    }
}
