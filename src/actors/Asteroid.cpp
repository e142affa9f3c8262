// Asteroid: straight drift, destruction and the split into four.
#include "actors/Asteroid.h"

#include <GLES/gl.h>

#include "actors/EnemyKit.h"
#include "core/Game.h"
#include "graphics/VectorModel.h"

VectorModel* Asteroid::vm = nullptr;
int Asteroid::count = 0;
int Asteroid::destroyed = 0;

// The live count falls through the destructors; the model is rebuilt from
// the next game's numbers.
static void resetAsteroids() {
    Asteroid::destroyed = 0;
    Asteroid::vm = nullptr;
}

Asteroid::Asteroid(Coord p, int s) : ReactsToWeaponOrPlayer(p, true, 0), velocity(), size(s) {
    Entity::addResetHook(resetAsteroids);
    VectorModel::loadFromLuaScriptInStaticVar("/data/graphics/asteroidGraphic.lua", &vm);
    int frames = vm->getNumberOfFrames();
    int r = Game::rand();
    // A model without frames still costs its draw and shows frame 0.
    frame = frames > 0 ? r % frames : 0;
    setRadius(size == 0 ? 80 : size == 1 ? 40 : 20);
    scale = (float)radius / 255.0f;
    count++;
    float a = (float)((Game::rand() % 1000) / 200.0);
    velocity.initFromAngle(a, 3.0f);
}

Asteroid::~Asteroid() { count--; }

void Asteroid::update() {
    position.x += velocity.x;
    position.y += velocity.y;
}

void Asteroid::draw() {
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    glScalef(scale, scale, 1.0f);
    EnemyKit::drawFlat(vm, frame, Color(1.0f, 1.0f, 1.0f, 1.0f));
    glPopMatrix();
}

bool Asteroid::reactToWeapon(PlayerWeapon*) {
    if (toBeDeleted)
        return false;
    EnemyKit::flash(position, Color(1.0f, 1.0f, 1.0f), (float)(3 - size));
    EnemyKit::burst(position, 4, 30, 1.0f);
    toBeDeleted = true;
    destroyed++;
    spawnNewAsteroids();
    return true;
}

void Asteroid::reactToCollisionWithPlayerCallback(Entity*) {
    if (toBeDeleted)
        return;
    EnemyKit::flash(position, Color(1.0f, 1.0f, 1.0f), (float)(4 - size));
    EnemyKit::burst(position, 4, 60, 1.0f);
    toBeDeleted = true;
    destroyed++;
    EnemyKit::hitPlayer(1);
    spawnNewAsteroids();
}

void Asteroid::spawnNewAsteroids() {
    if (size >= 2)
        return;
    for (int i = 0; i < 4; i++)
        new Asteroid(position, size + 1);
}
