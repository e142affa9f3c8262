// The ordinary player shot.
#include "actors/Bullet.h"

#include <GLES/gl.h>

#include <cmath>

#include "actors/TargetWalk.h"
#include "core/CollisionShape.h"
#include "core/Game.h"
#include "core/SpacePartition.h"
#include "graphics/Explosion.h"
#include "graphics/TexturedExplosionsHandler.h"
#include "graphics/VectorModel.h"

VectorModel* Bullet::models[3] = {nullptr, nullptr, nullptr};

Bullet::Bullet(Coord p, float speed_, float angle_, int type_, BULLET_SHAPES shape)
    : Entity(p, true), PlayerWeapon(KIND_BULLET), type(0), speed(speed_), angle(0.0f), frame(0), deathTime(0),
      model(nullptr) {
    setType(type_);
    setAngle(angle_);
    position.x += velocity.x;
    position.y += velocity.y;
    deathTime = Entity::time + LIFE;
    setShape(shape);
}

VectorModel* Bullet::shapeModel(BULLET_SHAPES shape, VectorModel** set) {
    static const char* const scripts[3] = {"/data/graphics/bulletGraphic.lua", "/data/graphics/bulletGraphic2.lua",
                                           "/data/graphics/bulletGraphic3.lua"};
    // Checked here first: the call would build a path string for every bullet.
    for (int i = 0; i < 3; i++)
        if (!set[i])
            VectorModel::loadFromLuaScriptInStaticVar(scripts[i], &set[i]);
    int k = shape == BULLET_SHAPE_THIN ? 1 : shape == BULLET_SHAPE_WIDE ? 2 : 0;
    return set[k];
}

void Bullet::setShape(BULLET_SHAPES shape) { model = shapeModel(shape, models); }

void Bullet::setAngle(float a) {
    angle = a;
    velocity.x = speed * std::cos(a);
    velocity.y = speed * std::sin(a);
    velocity.z = 0.0f;
    double degrees = (180.0f * a) / M_PI;
    // An angle no bounce could reach (or not a number) shows frame 0's direction
    // rather than overflowing the conversion.
    int d = degrees > -1.0e9 && degrees < 1.0e9 ? (int)degrees : 0;
    int k = (d + 180) % 360;
    if (k < 0)
        k += 360;
    frame = k / 2;
}

void Bullet::setType(int t) {
    type = t;
    switch (t) {
    case -1:
        colour.initWithInt(255, 255, 255);
        colorType = Color::COLOR_TYPE_NONE;
        break;
    case 0:
        colour.initWithInt(255, 30, 30);
        colorType = Color::COLOR_TYPE_RED;
        break;
    case 1:
        colour.initWithInt(10, 255, 40);
        colorType = Color::COLOR_TYPE_GREEN;
        break;
    case 2:
        colour.initWithInt(20, 80, 255);
        colorType = Color::COLOR_TYPE_BLUE;
        break;
    case 3:
        colour.initWithInt(255, 100, 0);
        colorType = Color::COLOR_TYPE_ORANGE;
        break;
    case 4:
        colour.initWithInt(255, 255, 0);
        colorType = Color::COLOR_TYPE_YELLOW;
        break;
    case 5: {
        // Three draws in this order: replays depend on it.
        int r = 40 + Game::rand() % 215;
        int g = 40 + Game::rand() % 215;
        int b = 40 + Game::rand() % 215;
        colour.initWithInt(r, g, b);
        colorType = Color::COLOR_TYPE_RED;
        break;
    }
    case 6:
        colour.initWithInt(0, 200, 255);
        colorType = Color::COLOR_TYPE_BLUE;
        break;
    default:
        colour.initWithInt(255, 10, 10);
        colorType = Color::COLOR_TYPE_RED;
        break;
    }
}

void Bullet::teleport(float x, float y) {
    if (deathTime > Entity::time) {
        position.x = x;
        position.y = y;
    } else {
        toBeDeleted = true;
    }
}

bool Bullet::fly() {
    position.x += velocity.x;
    position.y += velocity.y;
    CollisionShape* wall = spacePartition ? spacePartition->walls.getFirstObject(position) : nullptr;
    if (!wall) {
        bool used = forEachTargetAt(position, 0, [this](ReactsToWeaponOrPlayer* t) { return t->reactToWeapon(this); });
        if (!used)
            return true;
        new Explosion(position, colour, colour, 6, 1.0f);
        toBeDeleted = true;
        return false;
    }
    if ((wall->flags & 2) && deathTime > Entity::time) {
        float n = wall->getAngleOfNormal(position);
        wall->projectOnSide(&position);
        setAngle((float)(n + M_PI - ((double)angle - n)));
        int flags = wall->flags;
        if (flags & 4)
            setType(0);
        if (flags & 8)
            setType(1);
        if (flags & 16)
            setType(2);
        if (flags & 32)
            setType(3);
        if (flags & 64)
            setType(4);
        return true;
    }
    wall->projectOnSide(&position);
    toBeDeleted = true;
    new Explosion(position, colour, colour, 6, 1.0f);
    TexturedExplosionsHandler::getInstance()->addExplosion(position, colour, 1.0f);
    return false;
}

void Bullet::update() { fly(); }

void Bullet::draw() {
    glColor4f(colour.r, colour.g, colour.b, colour.a);
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    model->drawWithoutColor(frame);
    glPopMatrix();
}
