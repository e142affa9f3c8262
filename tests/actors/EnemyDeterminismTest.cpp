// Determinism scenes, one per group of enemies: the player flies and shoots
// on scripted sticks for 2400 steps; the world hash is pinned, equal on two
// runs and with explosions switched off, and each scene shows that its
// actors did what they are for.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <string>

#include "EnemyTestSupport.h"
#include "actors/BadBulletHelicopter.h"
#include "actors/BadBulletLua.h"
#include "actors/BadBulletMotherShip.h"
#include "actors/Fan.h"
#include "actors/HardDisk.h"
#include "actors/MulticolorBAF.h"
#include "actors/Spring.h"
#include "actors/TeletransportingZone.h"
#include "graphics/VectorModel.h"

using actortest::Arena;

namespace {

using Stats = std::map<std::string, int>;

struct Scene {
    const char* name;
    uint64_t pinned;
    std::function<void(Arena&)> build;
    // Called after every step; notes what the actors did.
    std::function<void(Stats&)> observe;
    std::function<void(Stats&)> check;
};

const int kSteps = 2400;

// Where each script bullet of the devices scene was last seen, by tag.
float lastBulletX[8], lastBulletY[8];

// Circles the arena's middle while sweeping the shots around.
SerializedJoystickData sticksAt(int step) {
    float move = (float)((step / 3) % 360);
    float norm = (step / 400) % 2 ? 50.0f : 30.0f;
    float shoot = (float)((step * 7) % 360);
    return actortest::sticks(move, norm, shoot, 65.0f);
}

template <class T>
void eachOf(const std::function<void(T*)>& fn) {
    for (Entity* e : Entity::entityVector)
        if (T* t = dynamic_cast<T*>(e))
            fn(t);
}

uint64_t runScene(const Scene& s, bool explosions, Stats& stats) {
    // As each new play screen does: graphics that draw from the shared
    // generator are built again inside the game.
    VectorModel::deleteVMThatUsesRandomNumbers();
    Arena arena(2048, 2048, 20260101);
    Explosion::isActivated = explosions;
    arena.border(20);
    new Player(Coord(1024, 1024, 0));
    s.build(arena);
    for (int i = 0; i < kSteps; i++) {
        arena.step(sticksAt(i));
        s.observe(stats);
    }
    return actortest::worldHash(enemytest::enemyCounters());
}

Coord at(float x, float y) { return Coord(x, y, 0.0f); }

void most(Stats& st, const std::string& key, int value) {
    if (value > st[key])
        st[key] = value;
}

const Scene kScenes[] = {
    {"teleporter", 0x6348e0fff1eff9b2ull,
     [](Arena&) {
         new Teleporter(at(300, 300));
         new Teleporter(at(1700, 1600));
     },
     [](Stats& st) {
         eachOf<Teleporter>([&](Teleporter* t) {
             if (t->state == 2 && t->animationProgress == 0.0f)
                 st["teleports"]++;
         });
         eachOf<Teleporter>([&](Teleporter* t) { most(st, "hits", t->numberOfHits); });
         most(st, "bullets", enemytest::countOf<BadBulletHelicopter>());
     },
     [](Stats& st) {
         EXPECT_GE(st["teleports"], 3);
         EXPECT_GE(st["hits"], 5);
         EXPECT_GE(st["bullets"], 10);
     }},
    {"suciders", 0xf8ccba5b4c0d2d12ull,
     [](Arena&) {
         for (int i = 0; i < 4; i++)
             new Sucider(at(300 + 400 * i, 300), 90.0f * i, Sucider::SMALL, false);
         new Sucider(at(1700, 1700), 0, Sucider::MEDIUM, false);
         new Sucider(at(300, 1700), 45, Sucider::BIG, false);
     },
     [](Stats& st) {
         eachOf<Sucider>([&](Sucider* s) {
             if (s->state == 2)
                 st["dashing"]++;
         });
         most(st, "most", Sucider::count);
         st["last"] = Sucider::count;
     },
     [](Stats& st) {
         EXPECT_GT(st["dashing"], 0);
         EXPECT_GT(st["most"], 6);  // a ring of small ones
         EXPECT_LT(st["last"], st["most"]);
     }},
    {"splitter", 0xb581c8ac29cd82b3ull,
     [](Arena&) {
         new Splitter(at(400, 400));
         new Splitter(at(1600, 500));
         new Splitter(at(1000, 1600));
     },
     [](Stats& st) {
         most(st, "parts", SplitterPart::count);
         st["splitters"] = Splitter::count;
     },
     [](Stats& st) {
         EXPECT_GT(st["parts"], 0);
         EXPECT_LT(st["splitters"], 3);
     }},
    {"spiny", 0x53e97b7aab6e1cf7ull,
     [](Arena&) {
         for (int i = 0; i < 6; i++)
             new Spiny(at(300 + 250 * i, 400 + 200 * (i % 3)), 60.0f / 255.0f, 0);
     },
     [](Stats& st) { st["left"] = Spiny::count; }, [](Stats& st) { EXPECT_LT(st["left"], 6); }},
    {"devices", 0xc7be4bdebb0f9566ull,
     [](Arena&) {
         new Spring(at(1024, 1024), Spring::ROPE, 2.5f);
         new Fan(at(1024, 880));
         new Fan(at(700, 1100));
         new HardDisk(at(1024, 700), 80);
         new TeletransportingZone(60, 1990, 60, 1990);
         Color c(1.0f, 0.5f, 0.0f);
         for (int i = 0; i < 8; i++) {
             BadBulletLua* b = new BadBulletLua(at(200 + 200 * i, 1500), 45.0f * i + 10, 4.0f, c, i);
             lastBulletX[i] = b->position.x;
             lastBulletY[i] = b->position.y;
         }
     },
     [](Stats& st) {
         eachOf<Fan>([&](Fan* f) {
             if (f->blowing && f->power == 33)
                 st["blows"]++;
         });
         eachOf<HardDisk>([&](HardDisk* d) { st["absorbed"] = d->getHitCount(); });
         eachOf<BadBulletLua>([&](BadBulletLua* b) {
             if (std::fabs(b->position.x - lastBulletX[b->tag]) > 1000 ||
                 std::fabs(b->position.y - lastBulletY[b->tag]) > 1000)
                 st["wraps"]++;
             lastBulletX[b->tag] = b->position.x;
             lastBulletY[b->tag] = b->position.y;
         });
         st["bullets"] = enemytest::countOf<BadBulletLua>();
     },
     [](Stats& st) {
         EXPECT_GT(st["blows"], 0);
         EXPECT_GT(st["absorbed"], 0);
         EXPECT_GT(st["wraps"], 0);
         EXPECT_EQ(st["bullets"], 0);  // no wrap after 160 steps
     }},
    {"back-and-forth", 0xd34b139cd91ee40dull,
     [](Arena&) {
         new BackAndForth(at(300, 300), 20, 0, 2);
         new BackAndForth(at(1700, 300), 110, 2, 2);
         new BackAndForth(at(300, 1700), 250, 3, 2);
         new MulticolorBAF(at(1700, 1700), 200, true, true, false, 3);
         new MulticolorBAF(at(1000, 300), 75, false, false, true, 2);
     },
     [](Stats& st) {
         eachOf<BackAndForth>([&](BackAndForth* b) { most(st, "angle", (int)std::fabs(b->angle)); });
         st["left"] = BackAndForth::count;
     },
     [](Stats& st) {
         EXPECT_GE(st["angle"], 360);
         EXPECT_LT(st["left"], 5);
     }},
    {"lanes", 0x7d982436b5596615ull,
     [](Arena&) {
         for (int i = 0; i < 36; i++) {
             int code = i % 12;
             float x = 150 + 50 * i, y = 200 + (i * 53) % 1600;
             new OptimizedBAF(at(x, y), code);
         }
     },
     [](Stats& st) {
         eachOf<OptimizedBAF>([&](OptimizedBAF* o) {
             if (o->turning && o->turnScale == 1.0f)
                 st["turns"]++;
         });
         st["left"] = OptimizedBAF::count2;
         st["kills"] = Player::getNumberOfKilledEnnemies();
         st["row200"] = OptimizedBAF::countAtY(200);
     },
     [](Stats& st) {
         EXPECT_GT(st["turns"], 20);
         EXPECT_LT(st["left"], 36);
         EXPECT_GT(st["kills"], 0);
     }},
    {"snake", 0x8bb6281afa71c2full,
     [](Arena&) {
         new SnakeElement(at(400, 400), 0.5f, 8, nullptr);
         new SnakeElement(at(1600, 1600), 3.5f, 5, nullptr);
     },
     [](Stats& st) {
         eachOf<SnakeElement>([&](SnakeElement* e) {
             if (e->isHead && e->collidesWithWalls)
                 st["promoted"] = 1;
         });
         st["left"] = SnakeElement::count;
     },
     [](Stats& st) {
         EXPECT_EQ(st["promoted"], 1);
         EXPECT_LT(st["left"], 15);
     }},
    {"cubes with an ally", 0x1ee0452ddc9a587ull,
     [](Arena&) {
         Player::setAlly(at(1200, 1024));
         new RollingCube(at(300, 300), 25, 6);
         new RollingCube(at(1700, 300), 12, 2);
         new RollingCube(at(300, 1700), 6, 0);
         new RollingCube(at(1700, 1700), 25, 6);
     },
     [](Stats& st) {
         eachOf<RollingCube>([&](RollingCube* c) {
             if (c->rolling)
                 st["rolling"]++;
         });
         st["left"] = RollingCube::count;
     },
     [](Stats& st) {
         EXPECT_GT(st["rolling"], 100);
         EXPECT_LT(st["left"], 4);
     }},
    {"planner in a maze", 0x961302b2d33f39e5ull,
     [](Arena& a) {
         a.wallFacingLeft(600, 20, 1300);
         a.wallFacingLeft(1400, 700, 2028);
         a.quad(200, 1600, 900, 1600, 900, 1580, 200, 1580);
         new Planner(at(300, 300));
         new Planner(at(1700, 300));
         new Planner(at(1000, 1800));
         new Planner(at(300, 1000));
     },
     [](Stats& st) {
         eachOf<Planner>([&](Planner* p) {
             if (p->stepsLeft == Planner::SEGMENT_LENGTH)
                 st["replans"]++;
             if (EnemyKit::wallAt(p->position))
                 st["inWall"]++;
         });
         st["left"] = Planner::count;
     },
     [](Stats& st) {
         EXPECT_GT(st["replans"], 10);
         EXPECT_EQ(st["inWall"], 0);
         EXPECT_LT(st["left"], 4);
     }},
    {"mother ships", 0x5f7be2015744e294ull,
     [](Arena&) {
         Player::setShootMode(8);
         new MotherShip(at(400, 400), 60, -1.0f, false);
         new MotherShip(at(1600, 400), 7, 100, false);
         new MotherShip(at(1000, 1700), 2, 200, false);
     },
     [](Stats& st) {
         eachOf<MotherShip>([&](MotherShip* m) {
             most(st, "angle", (int)std::fabs(m->angle));
             most(st, "hits", m->numberOfHits);
         });
         st["playerHits"] = Player::getHitNumber();
         most(st, "bullets", enemytest::countOf<BadBulletMotherShip>());
         st["left"] = MotherShip::count;
     },
     [](Stats& st) {
         EXPECT_GT(st["bullets"], 0);
         EXPECT_LT(st["left"], 3);
     }},
};

}  // namespace

class EnemyDeterminism : public ::testing::TestWithParam<int> {};

TEST_P(EnemyDeterminism, SceneRepeatsBitForBit) {
    const Scene& s = kScenes[GetParam()];
    SCOPED_TRACE(s.name);
    Stats first, second, quiet;
    uint64_t a = runScene(s, true, first);
    uint64_t b = runScene(s, true, second);
    uint64_t c = runScene(s, false, quiet);
    EXPECT_EQ(a, b);
    EXPECT_EQ(a, c);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first, quiet);
    s.check(first);
    EXPECT_EQ(a, s.pinned) << std::hex << "0x" << a << "ull";
}

INSTANTIATE_TEST_SUITE_P(Groups, EnemyDeterminism, ::testing::Range(0, (int)(sizeof kScenes / sizeof kScenes[0])));
