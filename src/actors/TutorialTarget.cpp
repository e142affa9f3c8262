// Tutorial target: hit counting and the flash at the next update.
#include "actors/TutorialTarget.h"

#include <GLES/gl.h>

#include "actors/EnemyKit.h"
#include "core/Game.h"
#include "graphics/VectorModel.h"

TutorialTarget::TutorialTarget(Coord p)
    : ReactsToWeaponOrPlayer(p, true, 30), normalColor(1.0f, 1.0f, 0.0f, 1.0f), flashColor(0.0f, 0.0f, 1.0f, 1.0f),
      flashUntil(0), wasHit(false) {
    model = VectorModel::loadFromLuaScript("/data/entities/cubeGraphic.lua");
    for (float& a : axis)
        a = (float)((Game::rand() % 100) / 100.0);
}

void TutorialTarget::update() {
    if (!wasHit)
        return;
    wasHit = false;
    flashUntil = time + 2;
}

void TutorialTarget::draw() {
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    // A zero axis has no direction to turn about: the cube is drawn unturned.
    if (axis[0] != 0.0f || axis[1] != 0.0f || axis[2] != 0.0f)
        glRotatef((float)(3 * time), axis[0], axis[1], axis[2]);
    EnemyKit::drawFlat(model, 0, flashUntil > time ? flashColor : normalColor);
    glPopMatrix();
}

bool TutorialTarget::reactToWeapon(PlayerWeapon*) {
    wasHit = true;
    numberOfHits++;
    return true;
}

void TutorialTarget::reactToCollisionWithPlayerCallback(Entity*) {}
