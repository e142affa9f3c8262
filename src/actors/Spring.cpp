// Spring: the pull on the player and the stretched band.
#include "actors/Spring.h"

#include <GLES/gl.h>

#include <algorithm>
#include <cmath>

#include "actors/EnemyKit.h"
#include "actors/Player.h"
#include "graphics/VectorModel.h"

Spring::Spring(Coord anchor, Spring::Type t, float s)
    : Entity(anchor, false), stretch(0.0001f), strength(s), angle(0.0f), color(1.0f, 0.0f, 0.0f) {
    type = t == ROPE ? ROPE : BAND;
    model = VectorModel::loadFromLuaScript("/data/graphics/rubberGraphic.lua");
    drawFrom = time + 3;
}

void Spring::update() {
    Coord player = Player::getCoord();
    Coord d(player.x - position.x, player.y - position.y, 0.0f);
    angle = (float)(std::atan2(d.y, d.x) * 180.0 / M_PI);
    float len = d.length() / strength;
    stretch = len / 200.0f;
    if (stretch == 0.0f)
        stretch = 0.0001f;
    float force;
    if (type == ROPE)
        force = len < 100.0f * strength ? 0.0f : len - 100.0f * strength;
    else
        force = len - 100.0f;
    // A player right on the anchor has no direction to be pushed in.
    if (EnemyKit::unit(d)) {
        player.x -= 0.05f * force * d.x;
        player.y -= 0.05f * force * d.y;
        player.z = 0.0f;
        Player::setCoord(player);
    }
    color = Color(1.0f, stretch, 0.0f);
}

void Spring::draw() {
    if (time < drawFrom)
        return;
    glColor4f(color.r, color.g, color.b, color.a);
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    model->drawWithoutColor(1);
    glRotatef(angle, 0.0f, 0.0f, 1.0f);
    glScalef(stretch * strength, std::min(0.4f / stretch, 2.0f), 1.0f);
    model->drawWithoutColor(0);
    glPopMatrix();
}
