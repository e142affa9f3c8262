// Friend ships: each waits where it was put until the player comes near, then
// takes a place on a ring around the player, follows, fires and shields it.
#pragma once

#include <vector>

#include "core/Entity.h"

class VectorModel;

class PlayerFriends : public Entity {
public:
    explicit PlayerFriends(Coord p);
    ~PlayerFriends() override;

    void draw() override;
    void update() override;
    // Its place on the ring, from its ring index, the ring's size, radius and rotation.
    void refreshOffset();

    static void setCanShoot(bool b);
    // Ring radius = f times 120 for every ringed friend.
    static void setRadiusFromPlayer(float f);
    static void setRotation(float degrees);
    // Every ringed friend leaves the world; the ring is emptied.
    static void destroyAll();
    static int getCount() { return (int)indexes.size(); }
    // The ship graphic's frame a friend of this frame number shows: numbers
    // beyond the graphic's nine frames cycle through models 1 to 8.
    static int shownFrame(int frame);

    // The ring: joined friends in the order they joined.
    static std::vector<PlayerFriends*> indexes;
    static bool canShoot;
    static int nextFrame;

    float heading;
    float radiusFactor;
    float rotation;
    VectorModel* model;
    bool toggle;
    int nextShotTime;
    int ringIndex;
    Coord offset;
    bool joined;
    int nextJoinCheck;
    int frame;

private:
    static void refreshAll();
    static void resetClass();
    static const bool resetHookInstalled;
};
