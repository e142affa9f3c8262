// Pieces every enemy class shares: step timers, effects, hurting the player,
// wall bounces, aiming at the player or the ally, and the two ways of drawing.
#pragma once

#include <string>
#include <vector>

#include "core/Color.h"
#include "core/Coord.h"

class CollisionShape;
class Entity;
class VectorModel;

class EnemyKit {
public:
    // Strict step timers: `passed(t)` once Entity::time is beyond t,
    // `before(t)` while Entity::time is below t.
    static bool passed(int step);
    static bool before(int step);
    // One step of an appearing phase that ends once Entity::time passes
    // endTime: true while the step is spent appearing (the ending step too).
    static bool appearingStep(bool& appearing, int endTime) {
        if (!appearing)
            return false;
        if (passed(endTime))
            appearing = false;
        return true;
    }

    // When set (by tests), every sound an enemy plays is also appended here.
    static std::vector<std::string>* soundLog;

    static void sound(const char* name, Coord at);
    static void sound(const char* name);
    // A textured flash (kept outside the world list).
    static void flash(Coord at, const Color& colour, float scale);
    // A line-spark explosion entity.
    static void burst(Coord at, const Color& c1, const Color& c2, int particles, float scale);
    static void burst(Coord at, const Color& colour, int particles, float scale);
    static void burst(Coord at, int colourIndex, int particles, float scale);
    static void message(Coord at, const char* text, const Color& colour);
    static void hitPlayer(int n);
    // A floating message at the point, then n hits for the player.
    static void hurtPlayer(int n, const char* text, const Color& colour, Coord at);

    // The first wall that contains the point (x, y, 0), or null.
    static CollisionShape* wallAt(Coord p);
    // A wall's normal at p in degrees: the radians times 180 in float, then
    // divided by pi in double precision.
    static float normalDegrees(CollisionShape* wall, Coord p);
    // A heading bounced off a wall of normal n: n + 180 - (heading - n),
    // never wrapped into one turn.
    static float bounce(float headingDegrees, float normal) { return normal + 180.0f - (headingDegrees - normal); }
    // Degrees to radians as movement code forms them: angle times pi in
    // double precision, rounded to float, then divided by 180.
    static float radians(float degrees);
    // Scales (x, y) to unit length; false (and v untouched) for a zero vector.
    static bool unit(Coord& v);

    // "Ally or player" targets keep a flag, never the ally's address: the
    // position of the ally while it exists and the flag is set, else the player's.
    static Coord targetPosition(bool aimAtAlly);
    // Whether an ally exists now.
    static bool hasAlly();

    // A frame in one flat colour (flashes, hits) or in the model's own colours.
    static void drawFrame(VectorModel* model, int frame, bool flat, const Color& colour);
    static void drawFlat(VectorModel* model, int frame, const Color& colour) { drawFrame(model, frame, true, colour); }
};

class PlayerWeapon;

// The direction of the shot behind a weapon in radians: a bullet's own angle,
// else the angle of the weapon's velocity (0 for no weapon or no velocity).
float directionOf(PlayerWeapon* w);
