// The gallery of the bosses, rocks and drifting enemies, rendered headless into build/graphics-look/
// (actors-bosses-rocks-drifters-*.png) for a person to look at: labelled sheets of every
// frame of these enemies' graphic scripts, then each actor in its states
// drawn through its own draw.
#include <gtest/gtest.h>

#include <string>

#include "LookSheet.h"
#include "actors/Anathema.h"
#include "actors/Asteroid.h"
#include "actors/Bizarro.h"
#include "actors/Bomb.h"
#include "actors/BossMirror.h"
#include "actors/BossMirrorBullet.h"
#include "actors/Brownian.h"
#include "actors/BulletBizarro.h"
#include "actors/CirculatingEnemy.h"
#include "actors/Dodger.h"
#include "actors/EnemySeed.h"
#include "actors/Helicopter.h"
#include "actors/Player.h"
#include "actors/TutorialTarget.h"
#include "support/ActorTestKit.h"
#include "support/GraphicsTestSupport.h"

using looksheet::drawAt;
using looksheet::frameSheet;
using looksheet::label;
using looksheet::save;

TEST(ActorsBossRockAndDrifterLook, FramesOfTheSmallEnemies) {
    REQUIRE_GL();
    label(8, 592, "circulatingEnemyGraphic.lua 0-15 seven spokes, 16-31 three spokes (x0.8)");
    frameSheet("/data/graphics/circulatingEnemyGraphic.lua", 0, 32, 16, 62, 0.8f, 580);
    label(8, 448, "helicopter, propeller (x1)");
    frameSheet("/data/graphics/helicopterGraphic.lua", 0, 1, 1, 150, 1.0f, 436);
    frameSheet("/data/graphics/propellerGraphic.lua", 0, 1, 1, 150, 1.0f, 436, 158);
    label(320, 448, "dodger 0, 1; tilted (x1.5)");
    frameSheet("/data/graphics/dodgerGraphic.lua", 0, 2, 2, 100, 1.5f, 436, 320);
    frameSheet("/data/graphics/dodgerGraphic.lua", 0, 2, 2, 100, 1.5f, 336, 320, 50.0f);
    label(540, 448, "brownian, tilted (x2)");
    frameSheet("/data/graphics/brownianGraphic.lua", 0, 1, 1, 100, 2.0f, 436, 540);
    frameSheet("/data/graphics/brownianGraphic.lua", 0, 1, 1, 100, 2.0f, 436, 640, 40.0f);
    label(760, 448, "sphereGraphic (x0.5), tilted");
    frameSheet("/data/graphics/sphereGraphic.lua", 0, 1, 1, 170, 0.5f, 436, 760);
    frameSheet("/data/graphics/sphereGraphic.lua", 0, 1, 1, 170, 0.5f, 260, 760, 60.0f);
    label(8, 280, "playerBombGraphic (x0.35), tilted");
    frameSheet("/data/graphics/playerBombGraphic.lua", 0, 1, 1, 230, 0.35f, 268);
    frameSheet("/data/graphics/playerBombGraphic.lua", 0, 1, 1, 230, 0.35f, 268, 240, 60.0f);
    save("actors-bosses-rocks-drifters-frames-small.png");
}

TEST(ActorsBossRockAndDrifterLook, FramesOfTheBossesAndRocks) {
    REQUIRE_GL();
    label(8, 592, "bossMirrorGraphic 0-6 (x0.6)");
    frameSheet("/data/graphics/bossMirrorGraphic.lua", 0, 7, 7, 140, 0.6f, 580);
    label(8, 436, "bossMirrorGraphic2 0-6 (x0.6)");
    frameSheet("/data/graphics/bossMirrorGraphic2.lua", 0, 7, 7, 140, 0.6f, 424);
    label(8, 280, "finalBossCannon 0, 1, tilted");
    {
        VectorModel* cannon = VectorModel::loadFromLuaScript("/data/graphics/finalBossCannon.lua");
        glPushMatrix();
        glTranslatef(20, 200, 0);
        glRotatef(60.0f, 1.0f, 0.0f, 0.0f);
        glScalef(0.05f, 1.0f, 1.0f);
        cannon->draw(0);
        glPopMatrix();
        glPushMatrix();
        glTranslatef(20, 80, 0);
        glRotatef(60.0f, 1.0f, 0.0f, 0.0f);
        glScalef(0.8f, 0.8f, 0.8f);
        cannon->draw(1);
        glPopMatrix();
    }
    label(330, 280, "asteroidGraphic 0-7, seed 5 (x0.25)");
    Game::mtRand.seed(5);
    VectorModel rocks("/data/graphics/asteroidGraphic.lua");
    for (int f = 0; f < rocks.getNumberOfFrames(); f++) {
        float x = 330 + (f % 5) * 136, y = 200 - (f / 5) * 140;
        glPushMatrix();
        glTranslatef(x + 70, y, 0);
        glScalef(0.25f, 0.25f, 0.25f);
        rocks.draw(f);
        glPopMatrix();
        label(x + 5, y - 65, std::to_string(f), 0.3f);
    }
    save("actors-bosses-rocks-drifters-frames-bosses.png");
}

namespace {

Coord at(float x, float y) { return Coord(x, y, 0.0f); }

}  // namespace

TEST(ActorsBossRockAndDrifterLook, SmallActorsInTheirStates) {
    REQUIRE_GL();
    actortest::Arena arena(4096, 4096);
    Player* p = new Player(at(2000, 2000));
    arena.hold(0, 0, 0, 0);

    label(8, 592, "EnemySeed types 0-3 (x2)");
    for (int t = 0; t < 4; t++) {
        EnemySeed* s = new EnemySeed(at(500, 500), 30.0f * t, (EnemySeed::Type)t);
        drawAt(s, 40 + t * 60, 550, 2.0f, s->position);
    }
    label(280, 592, "Helicopter: own colours, warning, flash (x1.3)");
    for (int i = 0; i < 3; i++) {
        Helicopter* h = new Helicopter(at(2100, 2000));
        h->angle = 0.0f;
        h->propellerAngle = 20.0f;
        if (i == 1)
            h->nextShotTime = Entity::time + 20;
        else
            h->nextShotTime = Entity::time + 200;
        if (i == 2)
            h->flashUntil = Entity::time + 2;
        drawAt(h, 320 + i * 110, 540, 1.3f, h->position);
    }
    label(640, 592, "Dodger: appearing, blue, hit, orange (x1.5)");
    {
        Dodger* d = new Dodger(at(500, 500), 1.0f, true);
        d->growScale = 0.35f;
        drawAt(d, 670, 540, 1.5f, d->position);
        Dodger* blue = new Dodger(at(500, 500), 1.0f, false);
        blue->angle = 40.0f;
        drawAt(blue, 750, 540, 1.5f, blue->position);
        blue->flashUntil = Entity::time + 3;
        drawAt(blue, 830, 540, 1.5f, blue->position);
        Dodger* orange = new Dodger(at(500, 500), 2.0f, false);
        orange->angle = 40.0f;
        drawAt(orange, 930, 540, 1.5f, orange->position);
    }

    label(8, 470, "Circulating: 0, 0 hit, 1 (x1.4)");
    {
        CirculatingEnemy* red = new CirculatingEnemy(at(500, 500), 100, 0, 2);
        drawAt(red, 50, 420, 1.4f, red->position);
        red->flashUntil = Entity::time + 2;
        drawAt(red, 130, 420, 1.4f, red->position);
        CirculatingEnemy* shimmer = new CirculatingEnemy(at(500, 500), 100, 90, 3);
        arena.run(12);
        drawAt(shimmer, 210, 420, 1.4f, shimmer->position);
    }
    label(300, 470, "Brownian types 0-4, appearing, type 9 (x1.6)");
    for (int t = 0; t < 7; t++) {
        Brownian* b = new Brownian(at(500, 500), t == 6 ? 9 : t % 5);
        b->angle = 30;
        b->appearing = t == 5;
        drawAt(b, 330 + t * 70, 420, 1.6f, b->position);
    }
    label(8, 350, "TutorialTarget: normal, flashing (x1.2)");
    {
        TutorialTarget* t = new TutorialTarget(at(500, 500));
        drawAt(t, 50, 290, 1.2f, t->position);
        t->flashUntil = Entity::time + 2;
        drawAt(t, 140, 290, 1.2f, t->position);
    }
    label(300, 350, "Bomb (x1), turned 0 and 45");
    {
        Bomb* b = new Bomb(at(500, 500));
        drawAt(b, 340, 290, 1.0f, b->position);
        b->angle = 45.0f;
        drawAt(b, 420, 290, 1.0f, b->position);
    }
    label(560, 350, "Asteroid sizes 0, 1, 2 (x0.8)");
    for (int s = 0; s < 3; s++) {
        Asteroid* a = new Asteroid(at(500, 500), s);
        drawAt(a, 620 + s * 110, 280, 0.8f, a->position);
    }

    label(8, 240, "Bizarro mirrors the player through (2000, 1940); its bullets fly the other way (x0.6)");
    {
        Bizarro* b = new Bizarro(at(2000, 1940));
        p->heading = 30.0f;
        arena.hold(0, 0, 120, 60);
        for (int k = 0; k < 24; k++)
            arena.step();
        b->update();
        Coord c(2000, 1940, 0);
        drawAt(p, 500, 150, 0.6f, c);
        for (Entity* e : Entity::entityVector)
            if (dynamic_cast<Bizarro*>(e) || dynamic_cast<BulletBizarro*>(e))
                drawAt(e, 500, 150, 0.6f, c);
    }
    save("actors-bosses-rocks-drifters-draw-small.png");
}

TEST(ActorsBossRockAndDrifterLook, MirrorBossByStageAndTheFinalBoss) {
    REQUIRE_GL();
    actortest::Arena arena(4096, 4096);
    new Player(at(2000, 1000));
    label(8, 592, "BossMirror stages 0-5 (x0.5), then firing, just hit, dying; its bullet (x3)");
    for (int s = 0; s < 6; s++) {
        BossMirror* b = new BossMirror(at(2000, 2000));
        b->stage = s;
        b->angle = 20.0f * s;
        drawAt(b, 60 + s * 125, 520, 0.5f, b->position);
    }
    {
        BossMirror* firing = new BossMirror(at(2000, 2000));
        firing->burstEnd = Entity::time + 100;
        firing->stage = 2;
        drawAt(firing, 60, 390, 0.5f, firing->position);
        BossMirror* hit = new BossMirror(at(2000, 2000));
        Entity::time = 10;
        hit->flashUntil = 12;
        drawAt(hit, 185, 390, 0.5f, hit->position);
        BossMirror* dying = new BossMirror(at(2000, 2000));
        dying->stage = 5;
        dying->deathTime = Entity::time + 20;
        dying->shrink = 0.5f;
        drawAt(dying, 310, 390, 0.5f, dying->position);
        BossMirrorBullet* bullet = new BossMirrorBullet(at(2000, 2000), 0.5f);
        drawAt(bullet, 400, 390, 3.0f, bullet->position);
    }
    label(480, 450, "Anathema: chasing, aiming, charging, firing, flying apart (x0.25)");
    const int states[] = {0, 1, 2, 3, -1};
    for (int i = 0; i < 5; i++) {
        Anathema* a = new Anathema(at(2000, 2000));
        a->cannonAngle = -30.0f;
        if (states[i] > 0) {
            a->cannonState = states[i];
            a->cannonCharge = states[i] == 1 ? 0.6f : states[i] == 2 ? 2.5f : 4.0f;
        }
        if (states[i] == 3) {
            for (int k = 0; k < 6; k++) {
                Anathema::CannonShots ring;
                ring.distance = 300.0f * k;
                ring.color.initWithRandomLivelyColor();
                a->shots.push_back(ring);
            }
        }
        if (states[i] < 0) {
            a->state = 2;
            a->animationProgress = 0.4f;
        }
        float x = 520 + (i % 3) * 170, y = i < 3 ? 350 : 170;
        glEnable(GL_BLEND);
        drawAt(a, x, y, 0.25f, a->position);
    }
    save("actors-bosses-rocks-drifters-draw-bosses.png");
}
