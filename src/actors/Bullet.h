// The ordinary player shot: flies straight, bounces off bouncing walls and
// takes their colour, asks the targets it passes over, ends in a burst.
#pragma once

#include "actors/PlayerWeapon.h"
#include "core/Color.h"
#include "core/Entity.h"

class VectorModel;

class Bullet : public Entity, public PlayerWeapon {
public:
    enum BULLET_SHAPES {
        BULLET_SHAPE_DEFAULT = 0,  // bulletGraphic.lua
        BULLET_SHAPE_THIN = 1,     // bulletGraphic2.lua
        BULLET_SHAPE_WIDE = 2,     // bulletGraphic3.lua
    };

    // angle in radians; type is the bullet type (colour), see setType.
    Bullet(Coord p, float speed, float angle, int type, BULLET_SHAPES shape);

    void draw() override;
    void update() override;
    bool isVisible() override { return calculateIfIsVisible(); }
    // Before the bullet's deadline it moves there; from then on it ends.
    void teleport(float x, float y) override;

    float getAngle() const { return angle; }
    void setAngle(float a);
    // -1 white, 0 red, 1 green, 2 blue, 3 orange, 4 yellow, 5 random (three
    // draws of the shared generator), 6 cyan, others red.
    void setType(int t);
    void setShape(BULLET_SHAPES shape);
    int getType() const { return type; }
    int getFrame() const { return frame; }
    int getDeathTime() const { return deathTime; }

    // Steps after its creation during which it bounces and can be teleported.
    static const int LIFE = 80;

    int type;
    float speed;
    float angle;
    int frame;
    int deathTime;
    VectorModel* model;
    Color colour;

protected:
    // One step of flight; false when the bullet ended.
    bool fly();
    // The model of a shape from a class's own set of three, loaded on first use.
    static VectorModel* shapeModel(BULLET_SHAPES shape, VectorModel** set);

private:
    static VectorModel* models[3];
};
