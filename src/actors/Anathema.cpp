// Final boss: chase, seeds, flights, and the beam cannon's cycle.
#include "actors/Anathema.h"

#include <GLES/gl.h>

#include <cmath>

#include "actors/EnemyKit.h"
#include "actors/EnemySeed.h"
#include "actors/Player.h"
#include "actors/PlayerWeapon.h"
#include "core/Game.h"
#include "graphics/ExplodingVectorFrame.h"
#include "graphics/VectorModel.h"
#include "graphics/drawFilledShape.h"

Anathema::Anathema(Coord p)
    : Teleporter(p), cannonState(0), cannonAngle(0.0f), cannonCharge(0.0f), spin(0.0f), cannonEndTime(0),
      nextFieldCheckTime(0), beamQuad{0.0f, -50.0f, 5000.0f, -50.0f, 0.0f, 50.0f, 5000.0f, 50.0f} {
    state = 1;
    hitColor = Color(1.0f, 1.0f, 1.0f, 1.0f);
    normalColor = Color(1.0f, 0.0f, 0.0f, 1.0f);
    teleportSteps = 80;
    delete animation;
    animation = evf ? new ExplodingVFAnimation(evf, 10.0f) : nullptr;
    cannonModel = VectorModel::loadFromLuaScript("/data/graphics/finalBossCannon.lua");
    cannonStartTime = time + 40 + Game::rand() % 30;
    // Difficulties beyond the table take its nearest row.
    if (difficulty <= 0) {
        maxHits = 500;
        seedInterval = 9;
    } else {
        maxHits = 666;
        seedInterval = difficulty == 1 ? 6 : 4;
    }
    count++;
}

Anathema::~Anathema() {
    shots.clear();
    count--;
}

void Anathema::moveCannonSlowlyTowardsPlayer(float maxStep) {
    Coord player = Player::getCoord();
    double b = -cannonAngle * M_PI / 180.0;
    float c = (float)std::cos(b), s = (float)std::sin(b);
    float sum = c * (position.y - player.y) + s * (position.x - player.x);
    float delta = (float)(-0.02 * sum);
    if (delta > maxStep)
        delta = maxStep;
    else if (delta < -maxStep)
        delta = -maxStep;
    cannonAngle += delta;
}

bool Anathema::detectIfPlayerIsInCannonField() {
    if (nextFieldCheckTime > time)
        return false;
    nextFieldCheckTime = time + 10;
    double r = cannonAngle * M_PI / 180.0;
    Coord u((float)std::cos(r), (float)std::sin(r), 0.0f);
    Coord player = Player::getCoord();
    Coord d(player.x - position.x, player.y - position.y, 0.0f);
    if (d.x * u.x + d.y * u.y < 0.0f)
        return false;
    u.rotate();
    float across = d.x * u.x + d.y * u.y;
    if (across > 200.0f || across < -200.0f)
        return false;
    EnemyKit::flash(player, Color(0.0f, 1.0f, 0.0f), 5.0f);
    EnemyKit::burst(player, Color(1.0f, 1.0f, 0.0f), Color(1.0f, 1.0f, 1.0f), 100, 1.0f);
    return true;
}

void Anathema::blast(float flashScale, int particles, float scale) {
    EnemyKit::flash(position, Color(1.0f, 0.0f, 0.0f), flashScale);
    EnemyKit::burst(position, Color(1.0f, 0.0f, 0.0f), Color(1.0f, 1.0f, 1.0f), particles, scale);
}

void Anathema::throwSeed() {
    nextShotTime = time + seedInterval;
    int r = Game::rand();
    int type = (time / 100) % 3;
    bool thrown = type != 2 || Game::rand() % 3 == 0;
    if (thrown && Game::rand() % 2 == 0)
        new EnemySeed(position, (float)(r % 360), (EnemySeed::Type)type);
    bulletsLeft--;
}

void Anathema::update() {
    spin += 1.0f;
    switch (cannonState) {
    case 0:
        if (cannonStartTime < time && difficulty > 0) {
            cannonState = 1;
            EnemyKit::sound("/data/sounds/anathema_2.caf", position);
            cannonCharge = 0.0f;
        }
        break;
    case 1:
        moveCannonSlowlyTowardsPlayer(difficulty >= 2 ? 2.0f : 1.0f);
        cannonCharge = (float)((double)(time - cannonStartTime) / 80.0);
        if (cannonCharge >= 1.0f)
            cannonState = 2;
        break;
    case 2:
        cannonCharge = (float)(cannonCharge + 0.08);
        if (cannonCharge >= 4.0f) {
            cannonState = 3;
            cannonEndTime = time + 200;
            EnemyKit::sound("/data/sounds/anathema_1.caf", position);
        }
        break;
    default:
        if (detectIfPlayerIsInCannonField())
            EnemyKit::hitPlayer(1);
        moveCannonSlowlyTowardsPlayer(0.1f);
        if (time % 7 == 0) {
            CannonShots ring;
            ring.distance = 0.0f;
            ring.color.initWithRandomLivelyColor();
            shots.push_back(ring);
            blast(10.0f, 300, 4.0f);
        }
        if (cannonEndTime - time == 100)
            EnemyKit::sound("/data/sounds/anathema_1.caf", position);
        for (auto it = shots.begin(); it != shots.end();) {
            if (it->distance > 5000.0f) {
                it = shots.erase(it);
            } else {
                it->distance += 100.0f;
                ++it;
            }
        }
        if (cannonEndTime < time) {
            shots.clear();
            cannonState = 0;
            cannonStartTime = time + 800;
        }
        break;
    }

    carryPushedPlayer(0.94f);

    if (state == 2) {
        advanceBreakApart();
    } else {
        Coord player = Player::getCoord();
        Coord d(player.x - position.x, player.y - position.y, 0.0f);
        float len = d.length();
        if (len < 1.0f)
            return;
        if (bulletsLeft > 0 && cannonState == 0 && nextShotTime < time)
            throwSeed();
        velocity.x = (velocity.x + d.x / len) * 0.8f;
        velocity.y = (velocity.y + d.y / len) * 0.8f;
        if (len > 1100.0f && cannonState == 0) {
            state = 2;
            animationProgress = 0.0f;
            Coord e(d.x / len * 400.0f, d.y / len * 400.0f, 0.0f);
            velocity.z = 0.0f;
            bulletsLeft = 1000;
            velocity.y = (player.y + e.y - position.y) / (float)teleportSteps;
            velocity.x = (player.x + e.x - position.x) / (float)teleportSteps;
        }
    }
    if (cannonState != 2 && cannonState != 3) {
        position.x += velocity.x;
        position.y += velocity.y;
    }
}

bool Anathema::reactToWeapon(PlayerWeapon* weapon) {
    if (state == 2)
        return false;
    if (state == 0)
        state = 1;
    numberOfHits++;
    if (numberOfHits > maxHits) {
        toBeDeleted = true;
        EnemyKit::flash(position, Color(1.0f, 0.0f, 0.0f), 10.0f);
        blast(15.0f, 300, 4.0f);
    }
    if (numberOfHits % 10 == 0)
        blast(10.0f, 200, 3.0f);
    if (kindOf(weapon) == PlayerWeapon::KIND_FUSION) {
        flashUntil = time + 2;
        EnemyKit::sound("/data/sounds/shots_tele_b.caf", position);
    }
    return true;
}

void Anathema::reactToCollisionWithPlayerCallback(Entity* player) { pushOnContact(player, 30.0f); }

void Anathema::draw() {
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    glRotatef(cannonAngle, 0.0f, 0.0f, 1.0f);
    if (cannonState != 0) {
        glPushMatrix();
        glScalef(1.0f, cannonCharge, 1.0f);
        drawFilledShape(GL_TRIANGLE_STRIP, beamQuad, 4, 0.0f, 0.0f, 0.0f, 1.0f);
        glRotatef((float)(3 * time), 1.0f, 0.0f, 0.0f);
        if (cannonState == 1 || cannonState == 2)
            cannonModel->draw(0);
        for (const CannonShots& ring : shots) {
            glPushMatrix();
            glTranslatef(ring.distance, 0.0f, 0.0f);
            EnemyKit::drawFlat(cannonModel, 1, ring.color);
            glPopMatrix();
        }
        glPopMatrix();
    }
    glRotatef(spin, 0.7f, -0.4f, 1.0f);
    glScalef(10.0f, 10.0f, 10.0f);
    const Color& c = EnemyKit::before(flashUntil) ? hitColor : normalColor;
    glColor4f(c.r, c.g, c.b, c.a);
    for (int k = 0; k < 3; k++) {
        if (k == 1)
            glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
        else if (k == 2)
            glRotatef(90.0f, 0.0f, 1.0f, 0.0f);
        if (state == 2 && animation) {
            if (k == 0)
                animation->initVertexes(easeInAndOutQuad(animationProgress));
            animation->draw();
        } else {
            model->drawWithoutColor(0);
        }
    }
    glPopMatrix();
}
