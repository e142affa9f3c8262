// Determinism scenes of the bosses, rocks and drifting enemies: each group plays a scripted
// game; the world's hash is pinned, equal on a second run and with the
// explosions switched off, and each scene checks that its actors did their
// main things.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "BossRockAndDrifterTestSupport.h"
#include "actors/Anathema.h"
#include "actors/Asteroid.h"
#include "actors/BadBulletHelicopter.h"
#include "actors/Bizarro.h"
#include "actors/BossMirror.h"
#include "actors/BossMirrorBullet.h"
#include "actors/Brownian.h"
#include "actors/Bullet.h"
#include "actors/BulletBizarro.h"
#include "actors/CirculatingEnemy.h"
#include "actors/Dodger.h"
#include "actors/EnemySeed.h"
#include "actors/Helicopter.h"
#include "graphics/VectorModel.h"

using actortest::Arena;
using actortest::sticks;
using bossrocktest::at;
using enemytest::countOf;

namespace {

// The stick angle (0 toward smaller y, 90 toward larger x) that points from
// one point to another.
float stickAngle(Coord from, Coord to) { return (float)(std::atan2(to.x - from.x, -(to.y - from.y)) * 180.0 / M_PI); }

// The nearest live entity of a kind to the player, or null.
template <class T>
T* nearest() {
    T* best = nullptr;
    float bestD = 0.0f;
    Coord p = Player::getCoord();
    for (Entity* e : Entity::entityVector) {
        T* t = dynamic_cast<T*>(e);
        if (!t || e->toBeDeleted)
            continue;
        float d = e->position.getSquareDistanceFrom(p);
        if (!best || d < bestD)
            best = t, bestD = d;
    }
    return best;
}

// A game of this group's scenes: a bordered arena, the player in the middle,
// both generators seeded as the play screen seeds them.
struct Game2 {
    explicit Game2(int size, unsigned int seed) : arena(size, size, seed) {
        // As a new play screen does: models built from the last game's
        // numbers go, and both generators start from the game's seed.
        VectorModel::deleteVMThatUsesRandomNumbers();
        Game::mtRand.seed(seed);
        Game::seedSecondary(seed);
        arena.border(20);
        player = new Player(at(size / 2.0f, size / 2.0f));
    }
    uint64_t hash() {
        std::vector<int> counters = enemytest::enemyCounters();
        int mine[] = {Asteroid::count, Asteroid::destroyed, Dodger::count,    Helicopter::count,
                      Brownian::count, BossMirror::count,   Bizarro::hitCount};
        counters.insert(counters.end(), mine, mine + 7);
        return actortest::worldHash(counters);
    }
    Arena arena;
    Player* player;
};

// Sticks that circle the player around the arena and shoot at the nearest
// entity of a kind (or straight up when there is none).
template <class T>
SerializedJoystickData circleAndShootAt(int step, float moveNorm = 40.0f) {
    float move = (float)((step * 2) % 360);
    T* t = nearest<T>();
    float shoot = t ? stickAngle(Player::getCoord(), t->position) : 0.0f;
    return sticks(move, moveNorm, shoot, 65.0f);
}

struct Scene {
    const char* name;
    uint64_t pinned;
    // Plays the scene; checks what its actors did when `check` is set.
    std::function<uint64_t(bool check)> play;
};

uint64_t seeds(bool check) {
    Game2 g(2400, 21);
    // Away from the player, toward the side walls.
    for (int type = 0; type < 4; type++) {
        new EnemySeed(at(900.0f, 400.0f + 100.0f * type), 180.0f - 20.0f * type, (EnemySeed::Type)type);
        new EnemySeed(at(1500.0f, 400.0f + 100.0f * type), 20.0f * type, (EnemySeed::Type)type);
    }
    int dodgers = 0, suciders = 0, motherShips = 0, cubes = 0;
    for (int step = 0; step < 400; step++) {
        g.arena.step(sticks(0, 0, 0, 0));
        dodgers = std::max(dodgers, Dodger::count);
        suciders = std::max(suciders, Sucider::count);
        motherShips = std::max(motherShips, MotherShip::count);
        cubes = std::max(cubes, RollingCube::count);
    }
    if (check) {
        EXPECT_EQ(dodgers, 2);
        EXPECT_EQ(suciders, 2);
        EXPECT_GE(motherShips, 2);
        EXPECT_EQ(cubes, 2);
        EXPECT_EQ(countOf<EnemySeed>(), 0) << "every seed hatched";
    }
    return g.hash();
}

uint64_t helicopters(bool check) {
    Game2 g(3000, 22);
    new Helicopter(at(600, 600));
    new Helicopter(at(2400, 600));
    Player::setAlly(at(1400, 1500));
    new Helicopter(at(600, 2400));
    new Helicopter(at(2400, 2400));
    int shots = 0;
    for (int step = 0; step < 900; step++) {
        g.arena.step(circleAndShootAt<Helicopter>(step, 20.0f));
        shots = std::max(shots, countOf<BadBulletHelicopter>());
    }
    if (check) {
        EXPECT_GT(shots, 2);
        EXPECT_LT(Helicopter::count, 4) << "the player's fire brought some down";
    }
    return g.hash();
}

uint64_t dodgers(bool check) {
    Game2 g(2400, 23);
    for (int k = 0; k < 6; k++)
        new Dodger(at(400.0f + 300.0f * k, 400.0f), k % 2 ? 2.0f : 1.0f, k % 3 == 0);
    float sidestep = 0.0f;
    for (int step = 0; step < 500; step++) {
        g.arena.step(circleAndShootAt<Dodger>(step));
        for (Entity* e : Entity::entityVector)
            if (Dodger* d = dynamic_cast<Dodger*>(e))
                sidestep = std::max(sidestep, d->velocity.length());
    }
    if (check) {
        EXPECT_GT(sidestep, 0.0f) << "a shot pushed a dodger aside";
        EXPECT_LT(Dodger::count, 6);
    }
    return g.hash();
}

uint64_t circulating(bool check) {
    Game2 g(2400, 24);
    for (int k = 0; k < 8; k++)
        new CirculatingEnemy(at(1200, 1200), 250.0f + 40.0f * k, 45.0f * k, k % 4);
    for (int step = 0; step < 700; step++)
        g.arena.step(circleAndShootAt<CirculatingEnemy>(step, 10.0f));
    if (check) {
        int life0 = 0, mode1 = 0;
        for (Entity* e : Entity::entityVector)
            if (CirculatingEnemy* c = dynamic_cast<CirculatingEnemy*>(e))
                c->mode ? (void)mode1++ : (void)(life0 += c->life);
        EXPECT_LT(life0, 40) << "mode 0 enemies took hits";
        EXPECT_LT(mode1, 4) << "a mode 1 enemy died";
    }
    return g.hash();
}

uint64_t brownians(bool check) {
    Game2 g(2400, 25);
    for (int k = 0; k < 10; k++)
        new Brownian(at(500.0f + 150.0f * k, 700.0f + 60.0f * (k % 3)), k % 5);
    int knocks = 0;
    for (int step = 0; step < 900; step++) {
        Player::setBulletType((step / 60) % 5);
        std::vector<int> runs;
        for (Entity* e : Entity::entityVector)
            if (Brownian* b = dynamic_cast<Brownian*>(e))
                runs.push_back(b->nextChange);
        g.arena.step(circleAndShootAt<Brownian>(step, 15.0f));
        size_t i = 0;
        for (Entity* e : Entity::entityVector)
            if (Brownian* b = dynamic_cast<Brownian*>(e))
                if (i < runs.size() && b->nextChange == runs[i++] + 30)
                    knocks++;
    }
    if (check) {
        EXPECT_LT(Brownian::count, 10);
        EXPECT_GT(knocks, 0) << "a bullet of the wrong colour knocked one";
    }
    return g.hash();
}

uint64_t mirrorBoss(bool check) {
    enemytest::DifficultyPin pin(1);
    Game2 g(3000, 26);
    BossMirror* boss = new BossMirror(at(1500, 2000));
    int reflected = 0, step = 0;
    bool died = false;
    for (; step < 8000 && !died; step++) {
        // Every 7 steps a shot comes from behind the mirror toward the core.
        if (step % 7 == 0) {
            double facing = -boss->angle * M_PI / 180.0;
            Coord behind((float)(boss->position.x - 90.0 * std::cos(facing)),
                         (float)(boss->position.y - 90.0 * std::sin(facing)), 0.0f);
            new Bullet(behind, 10.0f, (float)facing, 0, Bullet::BULLET_SHAPE_DEFAULT);
        }
        g.arena.step(circleAndShootAt<BossMirror>(step, 30.0f));
        reflected = std::max(reflected, countOf<BossMirrorBullet>());
        died = BossMirror::count == 0;
    }
    if (check) {
        EXPECT_TRUE(died);
        EXPECT_GT(reflected, 0);
    }
    return g.hash();
}

uint64_t finalBoss(int difficulty, bool check) {
    enemytest::DifficultyPin pin(difficulty);
    Game2 g(6000, 27 + difficulty);
    new Anathema(at(3000, 4500));
    bool fired = false, flew = false;
    int seedsSeen = 0;
    for (int step = 0; step < 3000; step++) {
        // Across the arena and back, shooting at the boss.
        float move = (step / 400) % 2 ? 270.0f : 90.0f;
        Anathema* a = nearest<Anathema>();
        float shoot = a ? stickAngle(Player::getCoord(), a->position) : 0.0f;
        g.arena.step(sticks(move, 65.0f, shoot, 65.0f));
        if (a && Entity::isLive(a)) {
            fired = fired || a->cannonState == 3;
            flew = flew || a->state == 2;
        }
        seedsSeen = std::max(seedsSeen, countOf<EnemySeed>());
    }
    if (check) {
        EXPECT_EQ(fired, difficulty > 0);
        EXPECT_TRUE(flew);
        EXPECT_GT(seedsSeen, 0);
    }
    return g.hash();
}

uint64_t asteroids(bool check) {
    Game2 g(2400, 30);
    for (int k = 0; k < 5; k++)
        new Asteroid(at(300.0f + 400.0f * k, 400.0f + 300.0f * (k % 2)), 0);
    for (int step = 0; step < 800; step++)
        g.arena.step(circleAndShootAt<Asteroid>(step, 10.0f));
    if (check) {
        EXPECT_GT(Asteroid::destroyed, 5);
        EXPECT_GT(Asteroid::count, 0);
    }
    return g.hash();
}

uint64_t mirrorShip(bool check) {
    Game2 g(2400, 31);
    new Bizarro(at(1200, 1100));
    for (int k = 0; k < 4; k++)
        new Asteroid(at(400.0f + 500.0f * k, 300.0f), 1);
    int bullets = 0;
    for (int step = 0; step < 500; step++) {
        g.arena.step(sticks((float)((step * 3) % 360), 30.0f, (float)((step * 5) % 360), 65.0f));
        bullets = std::max(bullets, countOf<BulletBizarro>());
    }
    if (check) {
        EXPECT_GT(bullets, 0);
        Bizarro* b = nearest<Bizarro>();
        EXPECT_TRUE(b && b->position.x == 1200.0f - (Player::getCoord().x - 1200.0f));
    }
    return g.hash();
}

}  // namespace

TEST(BossRockAndDrifterDeterminism, EachSceneRepeatsBitForBit) {
    const Scene scenes[] = {
        {"seeds", 0xa65959c0b8bef333ull, seeds},
        {"helicopters", 0x784f77cfbd352a1aull, helicopters},
        {"dodgers", 0x8f2be9fb29019f19ull, dodgers},
        {"circulating", 0x94b1214797ea38a1ull, circulating},
        {"brownians", 0x2d4230b5a5b108e6ull, brownians},
        {"mirror boss", 0xda36be1a36e333d4ull, mirrorBoss},
        {"final boss 0", 0xf339f08a2a42cbe2ull, [](bool c) { return finalBoss(0, c); }},
        {"final boss 1", 0x57442e902e85e3a8ull, [](bool c) { return finalBoss(1, c); }},
        {"final boss 2", 0x87fd8198ab161394ull, [](bool c) { return finalBoss(2, c); }},
        {"asteroids", 0x11d4f652b83e42b8ull, asteroids},
        {"mirror ship", 0xec914c135828fb69ull, mirrorShip},
    };
    for (const Scene& s : scenes) {
        SCOPED_TRACE(s.name);
        actortest::ClassStateGuard guard;
        bossrocktest::SecondaryGeneratorGuard secondary;
        uint64_t first = s.play(true);
        EXPECT_EQ(s.play(false), first);
        Explosion::isActivated = false;
        EXPECT_EQ(s.play(false), first) << "explosions off";
        EXPECT_EQ(first, s.pinned) << std::hex << "0x" << first;
    }
}
