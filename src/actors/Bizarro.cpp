// Mirror ship: the mirror position, the copied heading and model, the fire rhythm.
#include "actors/Bizarro.h"

#include <GLES/gl.h>

#include <cmath>

#include "actors/BulletBizarro.h"
#include "actors/Player.h"
#include "core/Joysticks.h"
#include "core/PlayContext.h"
#include "graphics/VectorModel.h"

int Bizarro::hitCount = 0;

Bizarro::Bizarro(Coord c)
    : ReactsToWeaponOrPlayer(c, false, 20), heading(0.0f), centre(c), frame(0), fireToggle(false), nextShotTime(0) {
    model = VectorModel::loadFromLuaScript("/data/graphics/shipGraphic.lua");
    hitCount = 0;
}

void Bizarro::update() {
    Player* p = Player::player;
    if (!p)
        return;
    Coord at = p->position;
    position = Coord(centre.x - (at.x - centre.x), centre.y - (at.y - centre.y), 0.0f);
    frame = p->shipModel;
    heading = p->heading;
    if (!(nextShotTime < time) || !PlayContext::joysticks)
        return;
    if ((double)PlayContext::joysticks->getShootJoystickNorm() > 0.1) {
        float a = PlayContext::joysticks->getShootJoystickAngle();
        if (fireToggle)
            new BulletBizarro(position, 18.0f, (float)((double)(a - 270.0f + 3.0f) * M_PI / 180.0));
        fireToggle = !fireToggle;
        nextShotTime = time + 3;
    }
}

void Bizarro::draw() {
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    glRotatef(heading, 0.0f, 0.0f, 1.0f);
    model->draw(shownFrame());
    glPopMatrix();
}

bool Bizarro::reactToWeapon(PlayerWeapon*) { return false; }

void Bizarro::reactToCollisionWithPlayerCallback(Entity*) {}
