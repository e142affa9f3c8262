// Teleporter: sleep, drift, bursts of blue bullets, and the break-apart flight.
#include "actors/Teleporter.h"

#include <GLES/gl.h>

#include <cmath>

#include "actors/BadBulletHelicopter.h"
#include "actors/EnemyKit.h"
#include "actors/Player.h"
#include "actors/PlayerWeapon.h"
#include "core/Game.h"
#include "core/PlayContext.h"
#include "graphics/ExplodingVectorFrame.h"
#include "graphics/VectorModel.h"

int Teleporter::count = 0;
ExplodingVectorFrame* Teleporter::evf = nullptr;

Teleporter::Teleporter(Coord p)
    : ReactsToWeaponOrPlayer(p, true, 60), animationProgress(0.0f), flashUntil(0), state(0),
      hitColor(1.0f, 0.0f, 0.0f, 1.0f), normalColor(0.0f, 0.8f, 1.0f, 1.0f), teleportSteps(20), bulletsLeft(0),
      nextShotTime(0), attraction(0.0f), teleportBase(0), pushUntil(0) {
    model = VectorModel::loadFromLuaScript("/data/graphics/teleporterGraphic.lua");
    if (!evf && model->getNumberOfFrames() > 0) {
        MultiColorVectorFrame* frame = model->getMultiColorVectorFrame(0);
        if (frame && frame->getNumberOfColors() > 0)
            evf = new ExplodingVectorFrame(frame->getVectorFrame(0));
    }
    difficulty = PlayContext::getDifficulty();
    animation = evf ? new ExplodingVFAnimation(evf, 22.0f) : nullptr;
    count++;
}

Teleporter::~Teleporter() {
    count--;
    delete animation;
}

void Teleporter::update() {
    carryPushedPlayer(0.95f);
    if (state == 0)
        return;
    if (state == 2) {
        advanceBreakApart();
        position.x += velocity.x;
        position.y += velocity.y;
        return;
    }
    Coord player = Player::getCoord();
    Coord d(player.x - position.x, player.y - position.y, 0.0f);
    float len = d.length();
    if (len < 1.0f)
        return;
    if (bulletsLeft > 0 && EnemyKit::passed(nextShotTime)) {
        Coord u(d.x / len, d.y / len, 0.0f);
        Coord s(position.x + 40.0f * u.x, position.y + 40.0f * u.y, position.z);
        float a = (float)(std::atan2(d.y, d.x) * 180.0 / M_PI);
        if (difficulty <= 0) {
            new BadBulletHelicopter(s, a, 3.5f);
        } else if (difficulty == 1) {
            new BadBulletHelicopter(s, a - 3.0f, 5.6f);
            new BadBulletHelicopter(s, a, 5.6f);
        } else {
            for (int k = 3; k >= 0; k--)
                new BadBulletHelicopter(s, a - 3.0f * k, 7.0f);
        }
        if (bulletsLeft % 2 == 0)
            EnemyKit::sound("/data/sounds/shots_tele_a.caf", position);
        bulletsLeft--;
        nextShotTime = time + 2;
    }
    velocity.x = 0.98f * velocity.x + attraction * 0.001f * d.x;
    velocity.y = 0.98f * velocity.y + attraction * 0.001f * d.y;
    if (attraction < 1.0f)
        attraction += 0.05f;
    if (len < 200.0f || time - teleportBase > 200) {
        state = 2;
        EnemyKit::sound("/data/sounds/teleporter_small.caf");
        bulletsLeft = 10;
        animationProgress = 0.0f;
        teleportBase = time - 50 + Game::rand() % 100;
        Coord u(d.x / len, d.y / len, 0.0f);
        float reach = (float)(300 + Game::rand() % 100);
        Coord target(player.x + u.x * reach, player.y + u.y * reach, 0.0f);
        velocity = Coord((target.x - position.x) / teleportSteps, (target.y - position.y) / teleportSteps, 0.0f);
    }
    position.x += velocity.x;
    position.y += velocity.y;
}

bool Teleporter::reactToWeapon(PlayerWeapon* weapon) {
    if (state == 2)
        return false;
    if (state == 0)
        state = 1;
    if (kindOf(weapon) == 3) {
        numberOfHits += 4;
        flashUntil = time + 2;
        EnemyKit::sound("/data/sounds/shots_tele_b.caf", position);
    } else {
        numberOfHits += 1;
    }
    return true;
}

void Teleporter::reactToCollisionWithPlayerCallback(Entity* player) { pushOnContact(player, 20.0f); }

void Teleporter::carryPushedPlayer(float decay) {
    if (!EnemyKit::before(pushUntil))
        return;
    Coord c = Player::getCoord();
    c.x += pushVector.x;
    c.y += pushVector.y;
    c.z = 0.0f;
    Player::setCoord(c);
    pushVector.x *= decay;
    pushVector.y *= decay;
}

void Teleporter::pushOnContact(Entity* player, float length) {
    if (state == 2 || toBeDeleted)
        return;
    Coord body = player->getCoord();
    pushVector = Coord(body.x - position.x, body.y - position.y, 0.0f);
    float len = pushVector.length();
    if (len < 1.0f)
        return;
    pushVector.x *= length / len;
    pushVector.y *= length / len;
    body.x += pushVector.x;
    body.y += pushVector.y;
    player->setCoord(body);
    pushUntil = time + 60;
}

void Teleporter::advanceBreakApart() {
    if (animationProgress >= 1.0f) {
        state = 1;
        attraction = -0.8f;
        nextShotTime = time + 5;
    }
    animationProgress += 1.0f / (float)teleportSteps;
    if (animationProgress > 1.0f)
        animationProgress = 1.0f;
}

void Teleporter::draw() {
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    glRotatef((float)time * (state == 0 ? 0.5f : 4.0f), 0.0f, 0.2f, 1.0f);
    glScalef(3.0f, 3.0f, 3.0f);
    const Color& c = EnemyKit::before(flashUntil) ? hitColor : normalColor;
    glColor4f(c.r, c.g, c.b, c.a);
    if (state == 2 && animation) {
        animation->initVertexes(animationProgress);
        animation->draw();
        glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
        animation->draw();
    } else {
        model->drawWithoutColor(0);
        glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
        model->drawWithoutColor(0);
    }
    glPopMatrix();
}
