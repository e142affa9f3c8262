// Suciders: per-size values, the wait-aim-dash cycle, rings of small ones.
#include "actors/Sucider.h"

#include <GLES/gl.h>

#include <cmath>

#include "actors/EnemyKit.h"
#include "actors/Player.h"
#include "actors/PlayerWeapon.h"
#include "actors/SuciderLaserRenderer.h"
#include "core/Game.h"
#include "core/PlayContext.h"
#include "graphics/PlayerExplosion.h"
#include "graphics/VectorModel.h"

VectorModel* Sucider::vm = nullptr;
SuciderLaserRenderer* Sucider::laserRenderer = nullptr;
int Sucider::count = 0;

static void resetSuciderCount() { Sucider::count = 0; }

// Also installed when the program starts, so that a reset clears the
// counter even in a game that made no object of the class.
static const bool resetSuciderCountInstalled = (Entity::addResetHook(resetSuciderCount), true);

Sucider::Sucider(Coord p, float a, Sucider::Type t, bool hatched)
    : ReactsToWeaponOrPlayer(p, true, 0), dashSpeed(0.0f), dashStep(0.0f, 0.0f, 0.0f) {
    Entity::addResetHook(resetSuciderCount);
    init(a, t);
    if (hatched) {
        state = 2;
        dashSpeed = -6.0f;
        nextEventTime = time + 60;
    }
    bool allyThere = EnemyKit::hasAlly();
    // Drawn whether or not there is an ally.
    int r = Game::rand();
    aimAtAlly = allyThere && r % 2 == 0;
}

void Sucider::init(float a, Sucider::Type t) {
    type = (t >= SMALL && t <= BIG) ? t : SMALL;
    splitThreshold = 250;
    switch (type) {
    case MEDIUM:
        life = 300;
        setRadius(50);
        scale = 0.45f;
        baseSpeed = 10.0f;
        color1 = Color(0.0f, 1.0f, 0.0f);
        color2 = Color(0.0f, 1.0f, 0.0f);
        color3 = Color(1.0f, 1.0f, 1.0f);
        break;
    case BIG:
        life = 400;
        setRadius(80);
        scale = 0.72f;
        baseSpeed = 10.0f;
        color1 = Color(1.0f, 0.8f, 0.0f);
        color2 = Color(1.0f, 0.0f, 0.0f);
        color3 = Color(1.0f, 1.0f, 0.0f);
        break;
    default:
        life = 5;
        setRadius(20);
        scale = 0.18f;
        baseSpeed = 14.0f;
        color1 = Color(0.0f, 1.0f, 1.0f);
        color2 = Color(0.0f, 1.0f, 1.0f);
        color3 = Color(1.0f, 1.0f, 1.0f);
        break;
    }
    frame = type;
    angle = a;
    VectorModel::loadFromLuaScriptInStaticVar("/data/graphics/suciderGraphic.lua", &vm);
    if (count == 0) {
        if (!laserRenderer)
            laserRenderer = new SuciderLaserRenderer();
        else
            laserRenderer->reset();
    }
    laserRenderer->addSucider(this);
    angularVelocity = 0.0f;
    state = 0;
    flashUntil = 0;
    count++;
    nextEventTime = time + 20 + Game::rand() % 100;
}

Sucider::~Sucider() {
    laserRenderer->removeSucider(this);
    count--;
}

bool Sucider::isVisible() {
    if (laserIndex == 0)
        return true;
    return calculateIfIsVisible((float)radius);
}

void Sucider::setAngle(float turnRate) {
    Coord t = EnemyKit::targetPosition(aimAtAlly);
    float a = -EnemyKit::radians(angle);
    if (std::cos(a) * (position.y - t.y) + std::sin(a) * (position.x - t.x) < 0.0f)
        angularVelocity -= turnRate;
    else
        angularVelocity += turnRate;
    angularVelocity *= 0.97f;
    angle += angularVelocity;
    if (angle > 360.0f)
        angle -= 360.0f;
    else if (angle < 0.0f)
        angle += 360.0f;
}

void Sucider::update() {
    if (type == MEDIUM && life < splitThreshold) {
        splitThreshold -= 50;
        new PlayerExplosion(position, color1);
        EnemyKit::flash(position, color1, 1.0f);
        EnemyKit::burst(position, color2, color3, 80, 1.0f);
        int n = 30 - splitThreshold / 16;
        float factor = 1.0f;
        int difficulty = PlayContext::getDifficulty();
        if (difficulty == 2) {
            n = n * 14 / 10;
            factor = 1.2f;
        }
        if (difficulty == 0) {
            factor = 0.5f;
            n = n / 2;
        }
        for (int i = 0; i < n; i++) {
            Sucider* s = new Sucider(position, (float)((i * 360) / n), SMALL, true);
            s->baseSpeed *= factor;
        }
    }
    if (EnemyKit::passed(nextEventTime)) {
        if (state == 0) {
            state = 1;
            nextEventTime += 100 + Game::rand() % 100;
        } else if (state == 1) {
            state = 2;
            dashSpeed = -baseSpeed;
            nextEventTime += 150 + Game::rand() % 100;
        } else {
            state = 1;
            nextEventTime += 100 + Game::rand() % 150;
        }
        return;
    }
    if (state == 1) {
        if (nextEventTime - time == 80)
            EnemyKit::sound("/data/sounds/krypto.caf", position);
        setAngle(0.1f);
    } else if (state == 2) {
        setAngle(0.02f);
        dashStep.initFromAngle(EnemyKit::radians(angle));
        dashStep.x *= dashSpeed;
        dashStep.y *= dashSpeed;
        dashStep.z = 0.0f;
        position.x += dashStep.x;
        position.y += dashStep.y;
        dashSpeed *= 0.995f;
    }
}

void Sucider::die(bool bigBlast) {
    if (bigBlast) {
        new PlayerExplosion(position, color1);
        EnemyKit::sound("/data/sounds/sucider_short.caf", position);
    } else {
        EnemyKit::sound("/data/sounds/sucider_short_light.caf", position);
    }
    EnemyKit::flash(position, color1, 1.0f);
    EnemyKit::burst(position, color2, color3, 80, 1.0f);
    toBeDeleted = true;
}

bool Sucider::reactToWeapon(PlayerWeapon* weapon) {
    int kind = kindOf(weapon);
    if (kind == 2) {
        die(false);
        return true;
    }
    flashUntil = time + 2;
    if (life < 1)
        return true;
    life -= kind == 3 ? 3 : 1;
    if (life > 0)
        EnemyKit::sound(type == SMALL ? "/data/sounds/sucider_hit_light.caf" : "/data/sounds/sucider_hit.caf",
                        position);
    else
        die(type != SMALL);
    return true;
}

void Sucider::reactToCollisionWithPlayerCallback(Entity*) {
    if (type == MEDIUM) {
        EnemyKit::hitPlayer(10);
        toBeDeleted = true;
        EnemyKit::burst(position, color2, color3, 80, 1.0f);
        for (int k = 0; k < 40; k++)
            new Sucider(position, (float)(9 * k), SMALL, true);
        return;
    }
    toBeDeleted = true;
    EnemyKit::burst(position, color2, color3, 80, 1.0f);
    EnemyKit::hurtPlayer(1, "OUCH", color2, position);
}

void Sucider::draw() {
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    glRotatef(angle, 0.0f, 0.0f, 1.0f);
    glScalef(-scale, -scale, scale);
    glRotatef(angularVelocity * -20.0f, 1.0f, 0.0f, 0.0f);
    if (state == 0)
        EnemyKit::drawFlat(vm, frame, Color(1.0f, 1.0f, 1.0f, 1.0f));
    else
        EnemyKit::drawFrame(vm, frame, EnemyKit::before(flashUntil), Color(1.0f, 0.0f, 0.0f, 1.0f));
    glPopMatrix();
    if (laserIndex == 0)
        laserRenderer->draw();
}
