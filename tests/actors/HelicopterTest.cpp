// The helicopter: the burst rhythm and its red warning, hits by kind, the
// distance it keeps, its target flag when the ally goes, and a still target.
#include <gtest/gtest.h>

#include "BossRockAndDrifterTestSupport.h"
#include "actors/BadBulletHelicopter.h"
#include "actors/Helicopter.h"
#include "actors/PlayerAlly.h"

using actortest::Arena;
using bossrocktest::at;
using enemytest::countOf;
using enemytest::SoundRecorder;
using enemytest::Weapon;

TEST(Helicopter, BurstsOfThreeEightApartThen150AndRedBeforeEachShot) {
    Arena arena(4000, 4000);
    new Player(at(2000, 2000));
    Helicopter* h = new Helicopter(at(2000, 1750));
    int n = h->nextShotTime;
    std::vector<int> shots;
    std::vector<int> redAt;
    int bullets = 0;
    while (Entity::time < n + 200) {
        arena.step();
        if (h->nextShotTime - Entity::time < 50)
            redAt.push_back(Entity::time);
        int now = countOf<BadBulletHelicopter>();
        if (now > bullets)
            shots.push_back(Entity::time);
        bullets = now;
    }
    ASSERT_GE(shots.size(), 4u);
    EXPECT_EQ(shots[0], n + 1);
    EXPECT_EQ(shots[1], n + 9);
    EXPECT_EQ(shots[2], n + 17);
    EXPECT_EQ(shots[3], n + 167);
    // Red from 50 steps before the first shot through the burst (the third
    // shot's step sets the next burst's time), then not until 50 steps
    // before the next burst.
    EXPECT_EQ(redAt.front(), n - 49);
    for (int t = n - 49; t <= n + 16; t++)
        EXPECT_TRUE(std::find(redAt.begin(), redAt.end(), t) != redAt.end()) << t;
    EXPECT_TRUE(std::find(redAt.begin(), redAt.end(), n + 17) == redAt.end());
    EXPECT_TRUE(std::find(redAt.begin(), redAt.end(), n + 116) == redAt.end());
    EXPECT_TRUE(std::find(redAt.begin(), redAt.end(), n + 118) != redAt.end());
}

TEST(Helicopter, FiveHitsOrOneFusionKill) {
    struct Case {
        std::vector<int> kinds;
        bool dead;
    };
    const Case cases[] = {
        {{1, 1, 1, 1}, false},
        {{1, 2, 0, 1, 1}, true},
        {{3}, true},
        {{-1, -1, -1, -1, -1}, true},
    };
    for (const Case& c : cases) {
        Arena arena;
        SoundRecorder sounds;
        Helicopter* h = new Helicopter(at(500, 500));
        for (int k : c.kinds) {
            Weapon w(k < 0 ? 1 : k);
            EXPECT_TRUE(h->reactToWeapon(k < 0 ? nullptr : &w));
        }
        EXPECT_EQ(h->toBeDeleted, c.dead);
        EXPECT_EQ(h->flashUntil, Entity::time + 2);
        EXPECT_EQ(sounds.count("/data/sounds/hell2.caf"), c.dead ? 1 : 0);
        EXPECT_EQ(sounds.count("/data/sounds/hell1.caf"), c.dead ? (int)c.kinds.size() - 1 : (int)c.kinds.size());
    }
}

TEST(Helicopter, KeepsItsDistanceAndHoversOnItsTarget) {
    Arena arena(4000, 4000);
    new Player(at(2000, 2000));
    Helicopter* h = new Helicopter(at(2000, 1000));
    h->sideSpeed = 0.0f;
    h->keepDistanceSquared = 250.0f * 250.0f;
    arena.step();
    EXPECT_NEAR(h->position.y, 1002.0f, 1e-3) << "closes in from afar";
    h->position = at(2000, 1900);
    arena.step();
    EXPECT_NEAR(h->position.y, 1898.0f, 1e-3) << "backs off when near";
    // Exactly on the target: no direction, so it stands, but it still shoots.
    h->sideSpeed = 4.0f;
    h->position = at(2000, 2000);
    h->nextShotTime = Entity::time;
    arena.step();
    EXPECT_EQ(h->position.x, 2000.0f);
    EXPECT_EQ(h->position.y, 2000.0f);
    EXPECT_EQ(countOf<BadBulletHelicopter>(), 1);
}

TEST(Helicopter, ChasesTheShipWhenItsAllyIsRemoved) {
    // Seeded so that the ally is chosen (the second draw is even).
    for (unsigned int seed = 1; seed < 50; seed++) {
        Arena arena(4000, 4000, seed);
        new Player(at(2000, 2000));
        Player::setAlly(at(1000, 2000));
        Helicopter* h = new Helicopter(at(1500, 1000));
        if (!h->aimAtAlly)
            continue;
        // The angle each step is the direction from where it stood to its
        // target (the ally moves first in the step, being older).
        auto angleFrom = [](Coord from, Coord target) {
            return std::atan2(target.y - from.y, target.x - from.x) * 180 / M_PI;
        };
        Coord stood = h->position;
        arena.step();
        EXPECT_NEAR(h->angle, angleFrom(stood, Player::getAlly()->position), 1e-3) << "aims at the ally";
        Player::removeAlly();
        arena.step();
        stood = h->position;
        arena.step();
        EXPECT_NEAR(h->angle, angleFrom(stood, Player::getCoord()), 1e-3) << "then at the ship";
        return;
    }
    FAIL() << "no seed chose the ally";
}

TEST(Helicopter, TurnsBackBeforeAWallAlongItsDrift) {
    Arena arena(4000, 4000);
    new Player(at(2000, 2000));
    Helicopter* h = new Helicopter(at(2000, 1750));
    h->side = true;
    h->sideSpeed = 4.0f;
    h->keepDistanceSquared = 250.0f * 250.0f;
    // Drifting with side true goes along (N rotated): N = (0, 1) gives (1, 0).
    arena.wallFacingLeft(2010, 0, 4000);
    arena.step();
    EXPECT_FALSE(h->side);
}
