// Mother ship: appearing growth, five-probe bounces, 20 hits, the death burst.
#include "actors/MotherShip.h"

#include <GLES/gl.h>

#include <cmath>

#include "actors/BadBulletMotherShip.h"
#include "actors/EnemyKit.h"
#include "actors/Player.h"
#include "actors/PlayerWeapon.h"
#include "core/CollisionShape.h"
#include "core/Game.h"
#include "graphics/VectorModel.h"

int MotherShip::count = 0;
int MotherShip::numberOfTimesThePlayerGotHit = 0;

static void resetMotherShipCounters() {
    MotherShip::count = 0;
    MotherShip::numberOfTimesThePlayerGotHit = 0;
}

// Also installed when the program starts, so that a reset clears the
// counters a script may have written before any object of the class exists.
static const bool resetMotherShipCountersInstalled = (Entity::addResetHook(resetMotherShipCounters), true);

MotherShip::MotherShip(Coord p, float s, float startAngle, bool fromSeed)
    : ReactsToWeaponOrPlayer(p, true, 60), velocity(0.0f, 0.0f, 0.0f), spacing(s) {
    Entity::addResetHook(resetMotherShipCounters);
    if (spacing >= 45.0f) {
        type = 1;
        model = VectorModel::loadFromLuaScript("/data/graphics/motherShipGraphic.lua");
        colour = Color(0.0f, 0.9f, 0.0f);
    } else if (spacing >= 3.0f) {
        type = 2;
        model = VectorModel::loadFromLuaScript("/data/graphics/motherShip2Graphic.lua");
        colour = Color(180.0f / 255.0f, 1.0f, 0.0f);
    } else {
        type = 3;
        model = VectorModel::loadFromLuaScript("/data/graphics/motherShip3Graphic.lua");
        colour = Color(0.0f, 1.0f, 200.0f / 255.0f);
    }
    appearing = true;
    appearEndTime = fromSeed ? time : time + 180;
    if (startAngle == -1.0f)
        setAngle((float)(Game::rand() % 360));
    else
        setAngle(startAngle);
    // Two draws that serve nothing, kept so that recorded games replay.
    Game::rand();
    Game::rand();
    flashUntil = 0;
    frameCounter = 0;
    count++;
}

MotherShip::~MotherShip() { count--; }

void MotherShip::setAngle(float a) {
    angle = a;
    float r = EnemyKit::radians(a);
    velocity = Coord(3.0f * std::cos(r), 3.0f * std::sin(r), 0.0f);
    // The offsets are added in radians: about 81 and 51 degrees off the heading.
    const float offsets[5] = {0.0f, 30.0f, -30.0f, 70.0f, -70.0f};
    for (int k = 0; k < 5; k++) {
        float b = r + offsets[k];
        probes[k] = Coord(50.0f * std::cos(b), 50.0f * std::sin(b), 0.0f);
    }
}

const char* MotherShip::deathSound() {
    if (type == 1)
        return "/data/sounds/mothership0.caf";
    if (type == 2)
        return "/data/sounds/mothership1.caf";
    return "/data/sounds/mothership2.caf";
}

void MotherShip::update() {
    if (++frameCounter > 179)
        frameCounter = 0;
    if (EnemyKit::appearingStep(appearing, appearEndTime))
        return;
    position.x += velocity.x;
    position.y += velocity.y;
    for (int k = 0; k < 5; k++) {
        Coord p(position.x + probes[k].x, position.y + probes[k].y, 0.0f);
        if (CollisionShape* wall = EnemyKit::wallAt(p)) {
            setAngle(EnemyKit::bounce(angle, EnemyKit::normalDegrees(wall, p)));
            break;
        }
    }
}

void MotherShip::draw() {
    int f = frameCounter / 2;
    bool mirrored = false;
    if (f > 44) {
        f = 89 - f;
        mirrored = type != 2;
    }
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    if (mirrored)
        glScalef(-1.0f, 1.0f, 1.0f);
    Color white(1.0f, 1.0f, 1.0f, 1.0f);
    if (appearing) {
        float s = (float)(time + 180 - appearEndTime) / 180.0f;
        glScalef(s, s, s);
        EnemyKit::drawFlat(model, f, white);
    } else {
        EnemyKit::drawFlat(model, f, flashUntil > time ? white : colour);
    }
    glPopMatrix();
}

bool MotherShip::reactToWeapon(PlayerWeapon* weapon) {
    if (!weapon || toBeDeleted || appearing)
        return false;
    int kind = weapon->getCanBeCastIn();
    numberOfHits += 1;
    flashUntil = time + 2;
    if (kind == 3)
        numberOfHits += 4;
    if (numberOfHits <= 20) {
        if (kind == 1) {
            if (Entity* shot = projectileOf(weapon))
                EnemyKit::flash(shot->position, colour, 0.7f);
        }
        EnemyKit::sound("/data/sounds/hit.caf", position);
        return true;
    }
    EnemyKit::sound(deathSound(), position);
    toBeDeleted = true;
    if (spacing >= 3.0f) {
        int r = Game::rand() % 360;
        for (int i = 0; (float)i * spacing < 360.0f; i++)
            new BadBulletMotherShip(position, (float)i * spacing + (float)r, 2.0f, colour);
    } else {
        Coord player = Player::getCoord();
        float d = (float)((double)(std::atan2(player.y - position.y, player.x - position.x) * 180.0f) / M_PI) - 60.0f;
        for (int i = 0; (float)i * spacing < 120.0f; i++)
            new BadBulletMotherShip(position, d + (float)i * spacing, 2.0f, colour);
    }
    EnemyKit::burst(position, colour, colour, 100, 2.0f);
    EnemyKit::flash(position, colour, 2.0f);
    return true;
}

void MotherShip::reactToCollisionWithPlayerCallback(Entity*) {
    if (appearing || toBeDeleted)
        return;
    if (EnemyKit::hasAlly())
        EnemyKit::hurtPlayer(1, "OUCH", colour, position);
    else
        EnemyKit::hurtPlayer(5, "OUCH x5", colour, position);
    toBeDeleted = true;
    EnemyKit::burst(position, colour, colour, 100, 2.0f);
    EnemyKit::flash(position, colour, 3.0f);
    EnemyKit::sound(deathSound(), position);
}
