// Fan: a blow of 18 steps, then 35 steps of recharge.
#include "actors/Fan.h"

#include <GLES/gl.h>

#include <algorithm>

#include "actors/EnemyKit.h"
#include "actors/Player.h"
#include "graphics/VectorModel.h"

Fan::Fan(Coord p)
    : ReactsToWeaponOrPlayer(p, false, 70), color(1.0f, 93.0f / 255.0f, 184.0f / 255.0f), blowing(false), ready(true),
      power(0), rechargeCounter(0) {
    model = VectorModel::loadFromLuaScript("/data/graphics/fanGraphic.lua");
}

void Fan::update() {
    if (ready)
        return;
    if (blowing) {
        power -= 2;
        if (power < 1) {
            blowing = false;
            rechargeCounter = 0;
        }
        Coord player = Player::getCoord();
        Coord u(player.x - position.x, player.y - position.y, 0.0f);
        // A body right on the centre has no direction to be blown in.
        if (EnemyKit::unit(u)) {
            player.x += u.x * (float)power / 2.8f;
            player.y += u.y * (float)power / 2.8f;
            player.z = 0.0f;
            Player::setCoord(player);
        }
        return;
    }
    if (++rechargeCounter >= 35)
        ready = true;
}

void Fan::reactToCollisionWithPlayerCallback(Entity*) {
    if (!ready)
        return;
    ready = false;
    blowing = true;
    power = 35;
    EnemyKit::flash(position, color, 4.0f);
    EnemyKit::sound("/data/sounds/fan.caf");
}

void Fan::draw() {
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    int frame = ready ? 35 : blowing ? std::max(3 * power - 70, 0) : rechargeCounter;
    EnemyKit::drawFlat(model, frame, color);
    glPopMatrix();
}
