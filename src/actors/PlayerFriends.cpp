// Friend ships and their shared ring around the player.
#include "actors/PlayerFriends.h"

#include <GLES/gl.h>

#include <algorithm>
#include <cmath>

#include "actors/Bullet.h"
#include "actors/Player.h"
#include "actors/TargetWalk.h"
#include "core/Joysticks.h"
#include "core/PlayContext.h"
#include "graphics/VectorModel.h"

std::vector<PlayerFriends*> PlayerFriends::indexes;
bool PlayerFriends::canShoot = true;
int PlayerFriends::nextFrame = -1;

void PlayerFriends::resetClass() {
    indexes.clear();
    nextFrame = -1;
    canShoot = true;
}

// Installed when the program starts, so that a reset restores the class-wide
// settings even in a game that made no friend.
const bool PlayerFriends::resetHookInstalled = (Entity::addResetHook(PlayerFriends::resetClass), true);

PlayerFriends::PlayerFriends(Coord p)
    : Entity(p, true), heading(0.0f), radiusFactor(1.0f), rotation(0.0f), model(nullptr), toggle(false),
      nextShotTime(0), ringIndex(-1), offset(), joined(false), nextJoinCheck(Entity::time + 1), frame(1) {
    Entity::addResetHook(resetClass);
    model = VectorModel::loadFromLuaScript("/data/graphics/shipGraphic.lua");
    if (nextFrame == -1) {
        frame = 1;
        nextFrame = 2;
    } else {
        frame = nextFrame++;
    }
}

PlayerFriends::~PlayerFriends() {
    // Leaving the ring renumbers the others in join order; their places stay
    // until the ring next changes, so nobody jumps.
    auto it = std::find(indexes.begin(), indexes.end(), this);
    if (it == indexes.end())
        return;
    indexes.erase(it);
    for (size_t i = 0; i < indexes.size(); i++)
        indexes[i]->ringIndex = (int)i;
}

void PlayerFriends::refreshOffset() {
    int count = (int)indexes.size();
    if (count < 1)
        return;
    float angle = (float)(ringIndex * 2.0 * M_PI / count) + rotation;
    offset.initFromAngle(angle, radiusFactor * 120.0f);
}

void PlayerFriends::refreshAll() {
    for (PlayerFriends* f : indexes)
        f->refreshOffset();
}

void PlayerFriends::setCanShoot(bool b) { canShoot = b; }

void PlayerFriends::setRadiusFromPlayer(float f) {
    for (PlayerFriends* p : indexes)
        p->radiusFactor = f;
    refreshAll();
}

void PlayerFriends::setRotation(float degrees) {
    for (PlayerFriends* p : indexes)
        p->rotation = (float)(degrees * M_PI / 180.0);
    refreshAll();
}

void PlayerFriends::destroyAll() {
    for (PlayerFriends* p : indexes)
        p->toBeDeleted = true;
    indexes.clear();
}

void PlayerFriends::update() {
    if (!Player::player)
        return;
    if (!joined) {
        if (Entity::time > nextJoinCheck) {
            nextJoinCheck = Entity::time + 6;
            if (Player::getSquareDistance(position) < 1600.0f) {
                joined = true;
                ringIndex = (int)indexes.size();
                indexes.push_back(this);
                refreshAll();
            }
        }
        return;
    }

    Coord p = Player::getCoord();
    float vx = (float)((p.x + offset.x - position.x) * 0.18);
    float vy = (float)((p.y + offset.y - position.y) * 0.18);
    float length = std::sqrt(vx * vx + vy * vy);
    if (length > 0.1f)
        heading = (float)(std::atan2(vy, vx) * 180.0 / M_PI);
    if (length > 6.0f) {
        vx = vx / length * 6.0f;
        vy = vy / length * 6.0f;
    }
    position.x += vx;
    position.y += vy;

    Joysticks* sticks = PlayContext::getJoysticks();
    if (nextShotTime < Entity::time && (double)sticks->getShootJoystickNorm() > 0.1 && canShoot) {
        float a = sticks->getShootJoystickAngle();
        if (toggle) {
            float degrees = a - 90.0f + 3.0f;
            new Bullet(position, 18.0f, (float)(degrees * M_PI / 180.0), 0, Bullet::BULLET_SHAPE_DEFAULT);
        }
        toggle = !toggle;
        nextShotTime = Entity::time + 3;
    }

    forEachTargetAt(position, 0, [this](ReactsToWeaponOrPlayer* t) {
        t->reactToCollisionWithPlayerCallback(this);
        return false;
    });
}

int PlayerFriends::shownFrame(int f) {
    if (f > 8)
        return (f - 1) % 8 + 1;
    return f < 0 ? 0 : f;
}

void PlayerFriends::draw() {
    int f = shownFrame(frame);
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    glRotatef(heading, 0.0f, 0.0f, 1.0f);
    model->draw(f);
    glPopMatrix();
}
