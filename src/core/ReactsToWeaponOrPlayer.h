// A target: an entity with a radius that the entity grid holds, which player
// weapons can hit and the player's ship can touch.
#pragma once

#include "core/Entity.h"

class PlayerWeapon;

class ReactsToWeaponOrPlayer : public Entity {
public:
    // Index of a target that no entity grid lists (made when no level exists).
    static constexpr unsigned int NOT_LISTED = 0xFFFFFFFFu;

    ReactsToWeaponOrPlayer(Coord position, bool collidesWithWalls, int radius);
    ~ReactsToWeaponOrPlayer() override;

    bool isVisible() override { return calculateIfIsVisible(radiusF + 5.0f); }

    // True when the weapon is used up. The weapon may be null.
    virtual bool reactToWeapon(PlayerWeapon* weapon) = 0;
    virtual void reactToCollisionWithPlayerCallback(Entity* player) = 0;

    // Radii beyond 32767 units are held at that size, so that the squared
    // distances of the integer tests cannot overflow.
    static constexpr int MAX_RADIUS = 32767;

    void setRadius(int r) {
        if (r > MAX_RADIUS)
            r = MAX_RADIUS;
        else if (r < -MAX_RADIUS)
            r = -MAX_RADIUS;
        radius = r;
        radiusF = (float)r;
        squareRadius = r * r;
    }
    void setIndexInSP(unsigned int i) { indexInSP = i; }
    unsigned int getIndexInSP() { return indexInSP; }
    void getRect(int& xMin, int& xMax, int& yMax, int& yMin);

    // Integer test after truncating the offsets: the rim is inside.
    bool isPointInside(Coord& p) {
        int dy = (int)(p.y - position.y);
        if (dy > radius || dy < -radius)
            return false;
        int dx = (int)(p.x - position.x);
        if (dx > radius || dx < -radius)
            return false;
        return dx * dx + dy * dy <= squareRadius;
    }
    bool isPointInside(Coord& p, int margin) {
        if (margin > MAX_RADIUS)
            margin = MAX_RADIUS;
        else if (margin < -MAX_RADIUS)
            margin = -MAX_RADIUS;
        int r = radius + margin;
        if (r > MAX_RADIUS)
            r = MAX_RADIUS;
        int dy = (int)(p.y - position.y);
        if (dy > r || dy < -r)
            return false;
        int dx = (int)(p.x - position.x);
        if (dx > r || dx < -r)
            return false;
        return dx * dx + dy * dy <= r * r;
    }

    int radius;
    float radiusF;
    unsigned int indexInSP;
    int squareRadius;

private:
    // The grid this target is listed in, so that removal goes to the right one.
    class EntitiesSpacePartitioner* listedIn;
};
