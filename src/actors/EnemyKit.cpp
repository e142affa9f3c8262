// Effects, bounces, aiming and drawing shared by the enemy classes.
#include "actors/EnemyKit.h"

#include <GLES/gl.h>

#include <cmath>

#include "actors/Bullet.h"
#include "actors/Player.h"
#include "actors/PlayerAlly.h"
#include "core/CollisionShape.h"
#include "core/Entity.h"
#include "core/SpacePartition.h"
#include "graphics/Explosion.h"
#include "graphics/FloatingMessage.h"
#include "graphics/SoundManager.h"
#include "graphics/TexturedExplosionsHandler.h"
#include "graphics/VectorModel.h"

std::vector<std::string>* EnemyKit::soundLog = nullptr;

bool EnemyKit::passed(int step) { return step < Entity::time; }

bool EnemyKit::before(int step) { return Entity::time < step; }

void EnemyKit::sound(const char* name, Coord at) {
    if (soundLog)
        soundLog->push_back(name);
    SoundManager* s = Entity::soundManager ? Entity::soundManager : SoundManager::getInstance();
    s->playSound(name, at);
}

void EnemyKit::sound(const char* name) {
    if (soundLog)
        soundLog->push_back(name);
    SoundManager* s = Entity::soundManager ? Entity::soundManager : SoundManager::getInstance();
    s->playSound(name);
}

void EnemyKit::flash(Coord at, const Color& colour, float scale) {
    TexturedExplosionsHandler* t = Entity::explosions ? Entity::explosions : TexturedExplosionsHandler::getInstance();
    t->addExplosion(at, colour, scale);
}

void EnemyKit::burst(Coord at, const Color& c1, const Color& c2, int particles, float scale) {
    new Explosion(at, c1, c2, particles, scale);
}

void EnemyKit::burst(Coord at, const Color& colour, int particles, float scale) {
    new Explosion(at, colour, particles, scale);
}

void EnemyKit::burst(Coord at, int colourIndex, int particles, float scale) {
    new Explosion(at, colourIndex, particles, scale);
}

void EnemyKit::message(Coord at, const char* text, const Color& colour) { new FloatingMessage(at, text, colour); }

void EnemyKit::hitPlayer(int n) { Player::increaseHitNumber(n); }

void EnemyKit::hurtPlayer(int n, const char* text, const Color& colour, Coord at) {
    new FloatingMessage(at, text, colour);
    Player::increaseHitNumber(n);
}

CollisionShape* EnemyKit::wallAt(Coord p) {
    if (!Entity::spacePartition)
        return nullptr;
    p.z = 0.0f;
    return Entity::spacePartition->walls.getFirstObject(p);
}

float EnemyKit::normalDegrees(CollisionShape* wall, Coord p) {
    return (float)((double)(wall->getAngleOfNormal(p) * 180.0f) / M_PI);
}

float EnemyKit::radians(float degrees) { return (float)((double)degrees * M_PI) / 180.0f; }

bool EnemyKit::unit(Coord& v) {
    float len = std::sqrt(v.x * v.x + v.y * v.y);
    if (!(len > 0.0f) || !std::isfinite(len))
        return false;
    v.x /= len;
    v.y /= len;
    return true;
}

Coord EnemyKit::targetPosition(bool aimAtAlly) {
    Entity* ally = aimAtAlly ? Player::getAlly() : nullptr;
    if (ally)
        return ally->position;
    return Player::getCoord();
}

bool EnemyKit::hasAlly() { return Player::getAlly() != nullptr; }

void EnemyKit::drawFrame(VectorModel* model, int frame, bool flat, const Color& colour) {
    if (!model)
        return;
    if (flat) {
        glColor4f(colour.r, colour.g, colour.b, colour.a);
        model->drawWithoutColor(frame);
    } else {
        model->draw(frame);
    }
}

float directionOf(PlayerWeapon* w) {
    if (!w)
        return 0.0f;
    if (Bullet* b = dynamic_cast<Bullet*>(w))
        return b->getAngle();
    Coord v = w->getV();
    return std::atan2(v.y, v.x);
}
