// The fusion gun's shot.
#include "actors/FusionBullet2.h"

#include <GLES/gl.h>

#include "actors/TargetWalk.h"
#include "core/CollisionShape.h"
#include "core/SpacePartition.h"
#include "graphics/Explosion.h"
#include "graphics/TexturedExplosionsHandler.h"
#include "graphics/VectorModel.h"

VectorModel* FusionBullet2::model = nullptr;
const Color FusionBullet2::yellow(1.0f, 1.0f, 0.0f, 1.0f);
const Color FusionBullet2::yellowAlpha100(1.0f, 1.0f, 0.0f, 100.0f);

FusionBullet2::FusionBullet2(Coord p, float a) : Entity(p, true), PlayerWeapon(KIND_FUSION), roll(0.0f) {
    VectorModel::loadFromLuaScriptInStaticVar("/data/graphics/bossMirrorBulletGraphic.lua", &model);
    velocity.initFromAngle(a, 20.0f);
    drawAngle = (float)(a * 57.29577951308232 + 180.0);
}

void FusionBullet2::update() { rollFlyAndHit(this, this, &roll); }

void FusionBullet2::rollFlyAndHit(Entity* shot, PlayerWeapon* weapon, float* roll) {
    *roll += 10.0f;
    Coord& position = shot->position;
    position.x += weapon->velocity.x;
    position.y += weapon->velocity.y;
    CollisionShape* wall = shot->spacePartition ? shot->spacePartition->walls.getFirstObject(position) : nullptr;
    if (!wall) {
        if (forEachTargetAt(position, 0, [weapon](ReactsToWeaponOrPlayer* t) { return t->reactToWeapon(weapon); })) {
            Color c(1.0f, 0.0f, 0.2f);
            new Explosion(position, c, c, 6, 1.0f);
            shot->toBeDeleted = true;
        }
        return;
    }
    wall->projectOnSide(&position);
    shot->toBeDeleted = true;
    new Explosion(position, yellow, yellowAlpha100, 6, 1.0f);
    TexturedExplosionsHandler::getInstance()->addExplosion(position, yellow, 1.0f);
}

void FusionBullet2::draw() {
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    glScalef(2.0f, 2.0f, 2.0f);
    glRotatef(drawAngle, 0.0f, 0.0f, 1.0f);
    glRotatef(roll, 1.0f, 0.0f, 0.0f);
    glColor4f(yellowAlpha100.r, yellowAlpha100.g, yellowAlpha100.b, yellowAlpha100.a);
    model->drawWithoutColor(0);
    glPopMatrix();
}
