// One element of a snake: the head wanders and weaves, every other element
// replays the path of the element in front of it with a fixed delay.
#pragma once

#include "core/Color.h"
#include "core/ReactsToWeaponOrPlayer.h"

class VectorModel;

class SnakeElement : public ReactsToWeaponOrPlayer {
public:
    static constexpr int MAX_LENGTH = 10000;

    // Makes this element and the n behind it (n held at 10,000), registered
    // head first; the angle in radians.
    SnakeElement(Coord position, float angle, int n, SnakeElement* previous);
    ~SnakeElement() override;

    void setFuturPosition(Coord& position, float angle);
    void setFirstElement();
    void signalPreviousElement();
    void signalNextElement();
    static void addValueToCounter(int v) { count += v; }

    void draw() override;
    void update() override;
    bool reactToWeapon(PlayerWeapon* weapon) override;
    void reactToCollisionWithPlayerCallback(Entity* player) override;

    int frame;
    bool isHead;
    SnakeElement* previous;
    SnakeElement* next;
    Coord trailPositions[12];
    float trailAngles[12];
    int readIndex;
    int writeIndex;
    float drawAngle;
    float heading;
    int nextTurnTime;
    float turnRate;
    float phase;
    int life;
    int flashUntil;
    Color colour;

    static VectorModel* vm;
    static int count;
    static int numberOfTimesThePlayerGotHit;

private:
    struct Single {};
    // One element without followers; n is what would follow it.
    SnakeElement(Coord position, float angle, int n, SnakeElement* previous, Single);
};
