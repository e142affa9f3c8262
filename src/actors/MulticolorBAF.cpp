// Multicolour back-and-forth enemy: flags, body colour and colour shots.
#include "actors/MulticolorBAF.h"

#include <GLES/gl.h>

#include "actors/EnemyKit.h"
#include "actors/PlayerWeapon.h"
#include "graphics/VectorModel.h"

MulticolorBAF::MulticolorBAF(Coord p, float a, bool r, bool g, bool b, float s)
    : BackAndForth(p, a, 1, s), colour(1.0f, 1.0f, 1.0f, 1.0f), red(r), green(g), blue(b) {
    updateColor();
}

void MulticolorBAF::updateColor() {
    Color held = colour;
    EnemyKit::flash(position, held, 1.0f);
    colour = Color(0.0f, 0.0f, 0.0f, 1.0f);
    int flags = (red ? 1 : 0) + (green ? 1 : 0) + (blue ? 1 : 0);
    if (flags == 1) {
        if (red)
            colour = Color(1.0f, 10.0f / 255.0f, 10.0f / 255.0f, 1.0f);
        else if (green)
            colour = Color(2.0f / 255.0f, 1.0f, 40.0f / 255.0f, 1.0f);
        else
            colour = Color(10.0f / 255.0f, 60.0f / 255.0f, 1.0f, 1.0f);
    } else {
        if (red)
            colour.r = 1.0f;
        if (green)
            colour.g = 1.0f;
        if (blue)
            colour.b = 1.0f;
    }
    if (flags == 0) {
        toBeDeleted = true;
        EnemyKit::burst(position, held, held, 30, 1.0f);
    }
}

bool MulticolorBAF::reactToWeapon(PlayerWeapon* weapon) {
    if (appearing || toBeDeleted)
        return false;
    // A contact without a weapon carries no colour: it clears nothing and
    // is used up like any other shot.
    if (!weapon)
        return true;
    switch (weapon->getColorType()) {
    case Color::COLOR_TYPE_RED:
        if (red) {
            red = false;
            updateColor();
        }
        break;
    case Color::COLOR_TYPE_GREEN:
        if (green) {
            green = false;
            updateColor();
        }
        break;
    case Color::COLOR_TYPE_BLUE:
        if (blue) {
            blue = false;
            updateColor();
        }
        break;
    default: break;
    }
    return true;
}

void MulticolorBAF::reactToCollisionWithPlayerCallback(Entity*) {
    if (appearing || toBeDeleted)
        return;
    toBeDeleted = true;
    EnemyKit::flash(position, colour, 3.0f);
    EnemyKit::burst(position, colour, colour, 80, 1.0f);
    EnemyKit::hurtPlayer(1, "ouch", colour, position);
}

void MulticolorBAF::draw() {
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    glRotatef(drawAngle, 0.0f, 0.0f, 1.0f);
    EnemyKit::drawFlat(vm, frame, appearing ? Color(1.0f, 1.0f, 1.0f, 1.0f) : colour);
    glPopMatrix();
}
