// The object that draws the player's ship model and gives its contact radius.
#pragma once

class PlayerShip {
public:
    explicit PlayerShip(int radius_) : radius(radius_) {}
    virtual ~PlayerShip() {}

    virtual void draw() = 0;
    virtual void drawWithoutColor() = 0;
    virtual void update() = 0;
    // 0: only the ship's centre touches targets.
    int getRadius() const { return radius; }

    int radius;
};
