// The steerable fusion shot. Its trail is decoration and draws from the C
// library's rand().
#include "actors/FusionBullet.h"

#include <GLES/gl.h>

#include <cmath>
#include <cstdlib>

#include "actors/FusionBullet2.h"
#include "actors/TargetWalk.h"
#include "core/CollisionShape.h"
#include "core/Joysticks.h"
#include "core/PlayContext.h"
#include "core/SpacePartition.h"
#include "graphics/Explosion.h"
#include "graphics/TexturedExplosionsHandler.h"
#include "graphics/VectorModel.h"

VectorModel* FusionBullet::model = nullptr;

static const float FUSION_SPEED = 10.0f;

FusionBullet::FusionBullet(Coord p, float a)
    : Entity(p, true), PlayerWeapon(KIND_FUSION), heading(a), roll(0.0f), nextTrailPoint(0) {
    VectorModel::loadFromLuaScriptInStaticVar("/data/graphics/bossMirrorBulletGraphic.lua", &model);
    velocity.initFromAngle(a, FUSION_SPEED);
    drawAngle = (float)(a * 57.29577951308232 + 180.0);
    for (int i = 0; i < TRAIL; i++) {
        trail[2 * i] = p.x;
        trail[2 * i + 1] = p.y;
        drift[2 * i] = 0.0f;
        drift[2 * i + 1] = 0.0f;
    }
}

void FusionBullet::update() {
    int k = nextTrailPoint;
    trail[2 * k] = position.x;
    trail[2 * k + 1] = position.y;
    drift[2 * k] = (float)((rand() % 11 - 5) - velocity.x) * 0.3f;
    drift[2 * k + 1] = (float)((rand() % 11 - 5) - velocity.y) * 0.3f;
    nextTrailPoint = (k + 1) % TRAIL;
    for (int i = 0; i < TRAIL * 2; i++)
        trail[i] += drift[i];
    Joysticks* sticks = PlayContext::getJoysticks();
    if ((double)sticks->getShootJoystickNorm() > 0.1) {
        heading = (float)((sticks->getShootJoystickAngle() - 90.0f) * M_PI / 180.0);
        velocity.initFromAngle(heading, FUSION_SPEED);
        drawAngle = (float)(heading * 57.29577951308232 + 180.0);
    }
    FusionBullet2::rollFlyAndHit(this, this, &roll);
}

void FusionBullet::draw() {
    const Color& c = FusionBullet2::yellowAlpha100;
    glColor4f(c.r, c.g, c.b, c.a);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glVertexPointer(2, GL_FLOAT, 0, trail);
    glDrawArrays(GL_POINTS, 0, TRAIL);
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    glScalef(2.0f, 2.0f, 2.0f);
    glRotatef(drawAngle, 0.0f, 0.0f, 1.0f);
    glRotatef(roll, 1.0f, 0.0f, 0.0f);
    model->drawWithoutColor(0);
    glPopMatrix();
}
