// The ship the user steers with the move stick: guns, ram, camera kick, hits.
// Everything but the constructor, update, draw and shootDefense is static and
// acts on Player::player; without a player it does nothing, getters answer 0
// (a null ally) and distances 99999.0.
#pragma once

#include <vector>

#include "core/Color.h"
#include "core/Entity.h"

class VectorModel;
class PlayerShip;
class PlayerRamAnimation;
class PlayerGun;
class PlayerGunDefenseShot;
class PlayerGunDefenseSpiralShot;
class PlayerAlly;

class Player : public Entity {
public:
    explicit Player(Coord p);
    ~Player() override;

    void draw() override;
    void update() override;
    // The defence burst of the ship model, from the ship's position.
    void shootDefense();

    // Position of the player (0, 0, 0 without one); these hide the entity's
    // own accessors on purpose: callers ask the class, not an object.
    static Coord getCoord();
    static void setCoord(Coord c);
    static float getSpeed();
    static float getSquareDistance(Coord& c);
    static float getDistance(Coord& c);
    // Drawing angle of the ship in degrees (move-stick angle minus 90).
    static float getHeading();
    static int getHitNumber();
    static void setHitNumber(int n);
    static void increaseHitNumber(int n);
    static void setShootMode(int mode);
    static int getShootMode();
    static void setBulletType(int type);
    static int getBulletType();
    static void setCanShoot(bool b);
    static void setCanMove(bool b);
    static void setIsInvincible(bool b);
    static bool getIsInvincible();
    static void setShip(int model);
    static int getShip();
    static void setHasRam(bool b);
    static void setCustomColor(bool b, Color c);
    static void removeCustomColor();
    static void setAlly(Coord c);
    static void removeAlly();
    static PlayerAlly* getAlly();
    static int getNumberOfKilledEnnemies();
    static void setMustBeDeleted(bool b);

    // The two tables by ship model: defence shots (models 0 to 14) and speed
    // factor (0 to 15). The readers give 0 shots and a factor of 1.0 outside.
    static const int NUMBER_OF_MODELS_WITH_BULLETS = 15;
    static const int NUMBER_OF_MODELS_WITH_SPEED = 16;
    static const int numberOfBulletsPerModel[NUMBER_OF_MODELS_WITH_BULLETS];
    static const float speedFactorPerModel[NUMBER_OF_MODELS_WITH_SPEED];
    static int getNumberOfBulletsOfModel(int model);
    static float getSpeedFactorOfModel(int model);

    static Player* player;
    static int numberOfKilledEnnemies;
    static float cameraAngle;

    float heading;
    float speed;
    VectorModel* shipGraphic;
    PlayerShip* ship;
    bool hasCustomColor;
    Color customColor;
    Coord lastCameraPosition;
    bool canShoot;
    bool canMove;
    bool hasAlly;
    bool isInvincible;
    PlayerAlly* ally;
    int bulletType;
    int hitNumber;
    int shootMode;
    float cameraAngleSpeed;
    bool cameraKick;
    float ramAngle;
    bool hasRam;
    int ramFlashUntil;
    VectorModel* ramGraphic;
    PlayerRamAnimation* ramAnimation;
    Color ramFlashColor;
    std::vector<PlayerGun*> guns;
    PlayerGunDefenseShot* defenseGun;
    PlayerGunDefenseSpiralShot* defenseSpiralGun;
    int shipModel;

private:
    void selectShip(int model);
    void hit(int n);
    static void installHooks();
};
