// Draws of the shared generator by the bosses, rocks and drifting enemies: a table by
// actor and state (replays repeat only if each makes exactly its own), and
// the dodger's skill from the secondary generator.
#include <gtest/gtest.h>

#include <functional>

#include "BossRockAndDrifterTestSupport.h"
#include "actors/Anathema.h"
#include "actors/Asteroid.h"
#include "actors/Bizarro.h"
#include "actors/Bomb.h"
#include "actors/BossMirror.h"
#include "actors/BossMirrorBullet.h"
#include "actors/Brownian.h"
#include "actors/Bullet.h"
#include "actors/BulletBizarro.h"
#include "actors/Cannon.h"
#include "actors/CirculatingEnemy.h"
#include "actors/Dodger.h"
#include "actors/EnemySeed.h"
#include "actors/Helicopter.h"
#include "actors/Missile.h"
#include "actors/TutorialTarget.h"

using actortest::Arena;
using actortest::DrawCounter;
using bossrocktest::at;
using enemytest::Weapon;

namespace {

struct DrawCase {
    const char* name;
    // Builds the scene (after a player at (1000, 1000)); returns what the
    // counted part does.
    std::function<std::function<void(Arena&)>(Arena&)> setUp;
    uint64_t draws;
};

// A seed that reaches the wall at x = 1500 in the counted step.
std::function<void(Arena&)> hatch(Arena& arena, EnemySeed::Type type) {
    arena.wallFacingLeft(1500, 0, 2000);
    arena.refill();
    new EnemySeed(at(1495, 300), 0.0f, type);
    return [](Arena& a) { a.step(); };
}

std::function<void(Arena&)> steps(int n) {
    return [n](Arena& a) { a.run(n); };
}

}  // namespace

TEST(BossRockAndDrifterDrawCount, EachActorMakesItsOwnDrawsOnly) {
    const DrawCase cases[] = {
        {"seed made and flying",
         [](Arena&) {
             new EnemySeed(at(500, 500), 45, EnemySeed::DODGER);
             return steps(0);
         },
         0},
        {"seed flying 30 steps",
         [](Arena&) {
             new EnemySeed(at(100, 500), 0, EnemySeed::SUCIDER);
             return steps(30);
         },
         0},
        {"seed hatching a dodger", [](Arena& a) { return hatch(a, EnemySeed::DODGER); }, 0},
        {"seed hatching a sucider", [](Arena& a) { return hatch(a, EnemySeed::SUCIDER); }, 2},
        {"seed hatching a mother ship", [](Arena& a) { return hatch(a, EnemySeed::MOTHER_SHIP); }, 2},
        {"seed hatching a cube", [](Arena& a) { return hatch(a, EnemySeed::ROLLING_CUBE); }, 1},
        {"helicopter", [](Arena&) { return [](Arena&) { new Helicopter(at(500, 500)); }; }, 4},
        {"helicopter with an ally",
         [](Arena&) {
             Player::setAlly(at(900, 900));
             return [](Arena&) { new Helicopter(at(500, 500)); };
         },
         5},
        {"helicopter flying and firing 400 steps",
         [](Arena&) {
             new Helicopter(at(500, 500));
             return steps(400);
         },
         0},
        {"dodger appearing 50 steps",
         [](Arena&) {
             new Dodger(at(500, 500), 1.0f, true);
             return steps(50);
         },
         0},
        {"dodger made", [](Arena&) { return [](Arena&) { new Dodger(at(500, 500), 1.0f, true); }; }, 0},
        {"dodger active 10 steps",
         [](Arena&) {
             new Dodger(at(300, 300), 2.0f, false);
             return steps(10);
         },
         20},
        {"circulating, int 0", [](Arena&) { return [](Arena&) { new CirculatingEnemy(at(500, 500), 100, 0, 0); }; }, 1},
        {"circulating, int 1", [](Arena&) { return [](Arena&) { new CirculatingEnemy(at(500, 500), 100, 0, 1); }; }, 1},
        {"circulating, int -1", [](Arena&) { return [](Arena&) { new CirculatingEnemy(at(500, 500), 100, 0, -1); }; },
         1},
        {"circulating, int 2", [](Arena&) { return [](Arena&) { new CirculatingEnemy(at(500, 500), 100, 0, 2); }; }, 0},
        {"circulating, int 3", [](Arena&) { return [](Arena&) { new CirculatingEnemy(at(500, 500), 100, 0, 3); }; }, 0},
        {"circulating mode 0 living",
         [](Arena&) {
             new CirculatingEnemy(at(500, 500), 100, 0, 2);
             return steps(300);
         },
         0},
        {"circulating mode 1, first change",
         [](Arena&) {
             new CirculatingEnemy(at(500, 500), 100, 0, 3);
             return steps(1);
         },
         3},
        {"circulating contact",
         [](Arena&) {
             CirculatingEnemy* c = new CirculatingEnemy(at(500, 500), 100, 0, 2);
             return [c](Arena&) {
                 c->reactToCollisionWithPlayerCallback(Player::player);
                 c->reactToCollisionWithPlayerCallback(Player::player);
             };
         },
         4},
        {"Brownian", [](Arena&) { return [](Arena&) { new Brownian(at(500, 500), 0); }; }, 1},
        {"Brownian appearing",
         [](Arena&) {
             new Brownian(at(500, 500), 1);
             return steps(40);
         },
         0},
        {"Brownian first run",
         [](Arena& a) {
             new Brownian(at(500, 500), 3);
             a.run(40);
             return steps(1);
         },
         4},
        {"mirror boss", [](Arena&) { return [](Arena&) { new BossMirror(at(500, 500)); }; }, 0},
        {"mirror boss living",
         [](Arena&) {
             new BossMirror(at(500, 500));
             return steps(100);
         },
         0},
        {"final boss", [](Arena&) { return [](Arena&) { new Anathema(at(500, 500)); }; }, 1},
        // The model is built before counting (its script's draws are counted
        // in the asteroid's tests).
        {"asteroid",
         [](Arena&) {
             new Asteroid(at(500, 500), 1);
             return [](Arena&) { new Asteroid(at(500, 500), 1); };
         },
         2},
        {"asteroid drifting",
         [](Arena&) {
             new Asteroid(at(500, 500), 0);
             return steps(50);
         },
         0},
        {"tutorial target", [](Arena&) { return [](Arena&) { new TutorialTarget(at(500, 500)); }; }, 3},
        {"tutorial target hit",
         [](Arena&) {
             TutorialTarget* t = new TutorialTarget(at(500, 500));
             return [t](Arena& a) {
                 t->reactToWeapon(nullptr);
                 a.run(5);
             };
         },
         0},
        {"mirror ship firing",
         [](Arena& a) {
             new Bizarro(at(1000, 900));
             a.hold(0, 0, 90, 65);
             return steps(40);
         },
         0},
        {"bomb, missile, mirror bullet, cannon",
         [](Arena&) {
             return [](Arena& a) {
                 new Bomb(at(500, 500));
                 new Missile(at(500, 500), 0.5f);
                 new BossMirrorBullet(at(500, 500), 1.0f);
                 new Cannon(at(500, 500));
                 new BulletBizarro(at(500, 500), 18.0f, 2.0f);
                 a.run(30);
             };
         },
         0},
    };
    for (const DrawCase& c : cases) {
        SCOPED_TRACE(c.name);
        Arena arena(2000, 2000, 3);
        new Player(at(1000, 1000));
        arena.hold(0, 0, 0, 0);
        std::function<void(Arena&)> counted = c.setUp(arena);
        DrawCounter draws;
        counted(arena);
        EXPECT_EQ(draws.count(), c.draws);
    }
}

TEST(BossRockAndDrifterDrawCount, MirrorBossBlastDrawsOnce) {
    Arena arena(2000, 2000);
    BossMirror* b = new BossMirror(at(1000, 1000));
    b->angle = 90.0f;  // facing -y: a shot from +x meets the core
    Bullet* shot = new Bullet(at(1010, 1000), 0.0f, (float)M_PI, 0, Bullet::BULLET_SHAPE_DEFAULT);
    DrawCounter draws;
    for (int i = 0; i < 4; i++)
        EXPECT_TRUE(b->reactToWeapon(shot));
    EXPECT_EQ(draws.count(), 0u);
    EXPECT_TRUE(b->reactToWeapon(shot));
    EXPECT_EQ(draws.count(), 1u);
}

TEST(BossRockAndDrifterDrawCount, FinalBossSeedAttemptsDrawTwoOrThree) {
    Arena arena(8000, 8000, 9);
    Player* p = new Player(at(1000, 1000));
    Anathema* a = new Anathema(at(2500, 1000));
    // The first flight loads the seeds.
    while (a->state != 2)
        arena.step();
    while (a->state != 1)
        arena.step();
    int attempts = 0;
    for (int i = 0; i < 400; i++) {
        p->position = Coord(a->position.x - 300, a->position.y, 0);
        int left = a->bulletsLeft;
        uint64_t before = MersenneTwister::getDrawCount();
        int t = Entity::time + 1;
        arena.step();
        uint64_t made = MersenneTwister::getDrawCount() - before;
        if (a->bulletsLeft == left) {
            EXPECT_EQ(made, 0u) << "step " << t;
            continue;
        }
        attempts++;
        if ((t / 100) % 3 == 2)
            EXPECT_TRUE(made == 2u || made == 3u) << made;
        else
            EXPECT_EQ(made, 2u);
    }
    EXPECT_GT(attempts, 30);
}

TEST(BossRockAndDrifterDrawCount, DodgerSkillComesFromTheSecondaryGenerator) {
    bossrocktest::SecondaryGeneratorGuard secondary;
    Arena arena;
    Game::seedSecondary(77);
    std::vector<float> first;
    uint32_t stateBefore[624];
    std::copy(MersenneTwister::getState(), MersenneTwister::getState() + 624, stateBefore);
    int indexBefore = MersenneTwister::getIndex();
    for (int i = 0; i < 5; i++)
        first.push_back((new Dodger(at(500, 500), 1.0f, true))->dodgeSkill);
    EXPECT_TRUE(std::equal(stateBefore, stateBefore + 624, MersenneTwister::getState()));
    EXPECT_EQ(MersenneTwister::getIndex(), indexBefore);

    Game::seedSecondary(77);
    std::mt19937 reference(77u ^ 0x9E3779B9u);
    for (int i = 0; i < 5; i++) {
        Dodger* d = new Dodger(at(500, 500), 1.0f, true);
        EXPECT_EQ(d->dodgeSkill, first[i]);
        EXPECT_EQ(d->dodgeSkill, (float)((reference() & 0x7FFFFFFFu) % 1000 / 2000.0));
    }
    EXPECT_EQ(Dodger::skillFrom(0xFFFFFFFFu), (float)(647 / 2000.0));
    EXPECT_EQ(Dodger::skillFrom(999), 0.4995f);
}
