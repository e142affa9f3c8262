// The player side's gallery, rendered headless into build/graphics-look/
// (actors-player-*.png) for a person to look at: labelled sheets of every
// frame of the player's graphic scripts, then the actors drawn through their
// own draw.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "LookSheet.h"
#include "actors/Bullet.h"
#include "actors/FusionBullet2.h"
#include "actors/Player.h"
#include "actors/PlayerAlly.h"
#include "actors/PlayerFriends.h"
#include "actors/SpiralBullet.h"
#include "graphics/DrawString.h"
#include "graphics/PlayerExplosion.h"
#include "graphics/VectorModel.h"
#include "support/ActorTestKit.h"
#include "support/GraphicsTestSupport.h"

using looksheet::drawAt;
using looksheet::frameSheet;
using looksheet::label;
using looksheet::save;

TEST(ActorsPlayerLook, FramesOfShipRamFusionAndBombScripts) {
    REQUIRE_GL();
    label(8, 592, "shipGraphic.lua frames 0-8 (x3.5)");
    frameSheet("/data/graphics/shipGraphic.lua", 0, 9, 9, 110, 3.5f, 580);
    label(8, 456, "ultimateShip.lua 0, 1, 0 tilted 60 deg (x3)");
    frameSheet("/data/graphics/ultimateShip.lua", 0, 2, 2, 130, 3.0f, 444);
    frameSheet("/data/graphics/ultimateShip.lua", 0, 1, 1, 130, 3.0f, 444, 268, 60.0f);
    label(410, 456, "ramGraphic.lua (x1)");
    frameSheet("/data/graphics/ramGraphic.lua", 0, 1, 1, 130, 1.0f, 444, 410);
    label(600, 456, "bossMirrorBulletGraphic.lua (x6), tilted");
    frameSheet("/data/graphics/bossMirrorBulletGraphic.lua", 0, 1, 1, 130, 6.0f, 444, 600);
    frameSheet("/data/graphics/bossMirrorBulletGraphic.lua", 0, 1, 1, 130, 6.0f, 444, 730, 60.0f);
    label(8, 300, "bombGraphic.lua (x0.25)");
    frameSheet("/data/graphics/bombGraphic.lua", 0, 1, 1, 280, 0.25f, 290);
    save("actors-player-frames-ships.png");
}

TEST(ActorsPlayerLook, EveryFrameOfTheThreeBulletScripts) {
    const char* scripts[] = {"/data/graphics/bulletGraphic.lua", "/data/graphics/bulletGraphic2.lua",
                             "/data/graphics/bulletGraphic3.lua"};
    for (int s = 0; s < 3; s++) {
        REQUIRE_GL();
        label(8, 596, std::string(scripts[s] + 15) + ": frame k points at 2k - 180 degrees (x2)");
        frameSheet(scripts[s], 0, 180, 20, 50, 2.0f, 582, 12);
        save(("actors-player-frames-bullet" + std::to_string(s + 1) + ".png").c_str());
    }
}

TEST(ActorsPlayerLook, EveryFrameOfTheAllyLink) {
    REQUIRE_GL();
    Game::mtRand.seed(7);
    VectorModel link("/data/entities/wallGraphic.lua");
    label(8, 596, "wallGraphic.lua frames 0-29 (x0.32 along, x1 across), seed 7");
    for (int f = 0; f < 30; f++) {
        float x = 8 + (f % 3) * 338, y = 560 - (f / 3) * 56;
        glPushMatrix();
        glTranslatef(x + 128, y, 0.0f);
        glScalef(0.32f, 1.0f, 1.0f);
        link.draw(f);
        glPopMatrix();
        label(x + 270, y + 5, std::to_string(f), 0.3f);
    }
    save("actors-player-frames-link.png");
}

TEST(ActorsPlayerLook, PlayerModelsRamAllyAndFriendsThroughTheirDraw) {
    REQUIRE_GL();
    actortest::Arena arena(2048, 2048);
    Player* p = new Player(Coord(1000, 1000, 0));
    arena.hold(90, 0, 90, 0);
    const int models[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 10};
    label(8, 592, "Player::draw, models 0-8 and 10 (x3)");
    for (int i = 0; i < 10; i++) {
        Player::setShip(models[i]);
        arena.step();
        drawAt(p, 50 + i * 100, 520, 3.0f, p->position);
        label(20 + i * 100, 470, "model " + std::to_string(models[i]));
    }
    Player::setShip(0);
    label(8, 440, "ram with spray, custom colour, flash (x1.5)");
    Player::setHasRam(true);
    arena.hold(90, 0, 45, 40);
    arena.run(12);
    drawAt(p, 80, 360, 1.5f, p->position);
    Player::setCustomColor(true, Color(0.0f, 0.8f, 1.0f, 1.0f));
    drawAt(p, 220, 360, 1.5f, p->position);
    Player::removeCustomColor();
    p->ramFlashUntil = Entity::time + 2;
    drawAt(p, 360, 360, 1.5f, p->position);
    Player::setHasRam(false);

    label(460, 440, "ally and link (x1)");
    Player::setAlly(Coord(1100, 1060, 0));
    arena.hold(90, 0, 90, 10);
    arena.run(3);
    Coord mid = Player::getAlly()->midpoint;
    drawAt(Player::getAlly(), 700, 340, 1.0f, mid);
    drawAt(p, 700, 340, 1.0f, mid);
    Player::removeAlly();
    arena.step();

    label(8, 250, "friends waiting: frames 1-3 (x1.2)");
    Coord at = p->position;
    for (int i = 0; i < 3; i++) {
        PlayerFriends* f = new PlayerFriends(Coord(at.x + 300 + i * 40, at.y, 0));
        drawAt(f, 60 + i * 50, 180, 1.2f, f->position);
    }
    for (int i = 0; i < 3; i++)
        new PlayerFriends(Coord(at.x + 10, at.y + 10, 0));
    arena.hold(90, 0, 90, 0);
    arena.run(60);
    label(600, 250, "three ringed friends around the player");
    for (Entity* e : Entity::entityVector) {
        PlayerFriends* f = dynamic_cast<PlayerFriends*>(e);
        if ((f && f->joined) || e == p)
            drawAt(e, 800, 110, 0.7f, p->position);
    }
    save("actors-player-draw-ships.png");
}

TEST(ActorsPlayerLook, EveryBulletTypeAndShapeFusionShotAndPlayerExplosion) {
    REQUIRE_GL();
    actortest::Arena arena(2048, 2048);
    label(8, 592, "Bullet::draw, types -1..6 (rows) x shapes 0-2 at 0, 45, 90 deg (x2.2)");
    for (int type = -1; type <= 6; type++) {
        for (int shape = 0; shape < 3; shape++) {
            for (int a = 0; a < 3; a++) {
                Bullet* b =
                    new Bullet(Coord(500, 500, 0), 18.0f, (float)(a * M_PI / 4), type, (Bullet::BULLET_SHAPES)shape);
                float x = 70 + shape * 160 + a * 50, y = 545 - (type + 1) * 55;
                drawAt(b, x, y, 2.2f, b->position);
            }
        }
        label(8, 550 - (type + 1) * 55, std::to_string(type), 0.4f);
    }
    label(560, 592, "SpiralBullet path (x1)");
    {
        SpiralBullet* s = new SpiralBullet(Coord(1000, 1000, 0), 10.0f, 0.0f, 6, Bullet::BULLET_SHAPE_THIN);
        Coord start = s->position;
        for (int i = 0; i < 40; i++) {
            if (i % 2 == 0)
                drawAt(s, 700, 420, 0.9f, start);
            s->update();
        }
    }
    label(560, 330, "FusionBullet2 rolling (x2, on its own x2)");
    for (int i = 0; i < 4; i++) {
        FusionBullet2* f = new FusionBullet2(Coord(1000, 1000, 0), (float)(i * M_PI / 6));
        for (int k = 0; k < i * 3; k++)
            f->roll += 10.0f;
        drawAt(f, 600 + i * 100, 270, 2.0f, f->position);
    }
    label(560, 190, "PlayerExplosion after 5, 15, 30 steps (x0.25)");
    for (int i = 0; i < 3; i++) {
        PlayerExplosion* e = new PlayerExplosion(Coord(1000, 1000, 0), Color(1.0f, 0.5f, 0.1f, 1.0f));
        int steps[] = {5, 15, 30};
        for (int k = 0; k < steps[i]; k++)
            e->update();
        drawAt(e, 640 + i * 130, 100, 0.25f, e->position);
    }
    save("actors-player-draw-shots.png");
}
