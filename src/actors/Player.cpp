// The player's ship: its step, its drawing and the class-wide accessors.
#include "actors/Player.h"

#include <GLES/gl.h>

#include <cmath>

#include "actors/PlayerAlly.h"
#include "actors/PlayerGun1Shot.h"
#include "actors/PlayerGun2Shot.h"
#include "actors/PlayerGun3Shot.h"
#include "actors/PlayerGunCircleShot.h"
#include "actors/PlayerGunDefenseShot.h"
#include "actors/PlayerGunDefenseSpiralShot.h"
#include "actors/PlayerGunFusion.h"
#include "actors/PlayerGunSinusoidal.h"
#include "actors/PlayerGunSinusoidal2.h"
#include "actors/PlayerGunSpiralShot.h"
#include "actors/PlayerGunUltimateMafa.h"
#include "actors/PlayerNonAnimatedShip.h"
#include "actors/PlayerRamAnimation.h"
#include "actors/PlayerUltimateShip.h"
#include "actors/TargetWalk.h"
#include "core/Joysticks.h"
#include "core/PlayContext.h"
#include "core/Vibrator.h"
#include "graphics/SoundManager.h"
#include "graphics/VectorModel.h"

Player* Player::player = nullptr;
int Player::numberOfKilledEnnemies = 0;
float Player::cameraAngle = 0.0f;

const int Player::numberOfBulletsPerModel[NUMBER_OF_MODELS_WITH_BULLETS] = {0,  4, 10, 15, 22, 30, 32, 34,
                                                                            36, 0, 0,  0,  0,  0,  0};
const float Player::speedFactorPerModel[NUMBER_OF_MODELS_WITH_SPEED] = {1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.1f, 1.2f,
                                                                        1.4f, 2.0f, 2.0f, 2.0f, 2.0f, 2.0f, 2.0f, 2.0f};

namespace {

float squareDistanceToPlayer(Coord& c) { return Player::getSquareDistance(c); }

float distanceToPlayer(Coord& c) { return Player::getDistance(c); }

void resetPlayerClass() {
    Player::player = nullptr;
    Player::cameraAngle = 0.0f;
}

// Installed once, when the program starts: the world measures distances to
// the player and forgets it on reset even before the first player is made.
const bool hooksInstalled = [] {
    Entity::setPlayerDistanceFunctions(squareDistanceToPlayer, distanceToPlayer);
    Entity::addResetHook(resetPlayerClass);
    return true;
}();

float degreesToRadians(float degrees) { return (float)(degrees * M_PI) / 180.0f; }

}  // namespace

void Player::installHooks() {
    (void)hooksInstalled;
    Entity::setPlayerDistanceFunctions(squareDistanceToPlayer, distanceToPlayer);
    Entity::addResetHook(resetPlayerClass);
}

Player::Player(Coord p)
    : Entity(p, true), heading(0.0f), speed(0.0f), shipGraphic(nullptr), ship(nullptr), hasCustomColor(false),
      customColor(1.0f, 1.0f, 1.0f, 1.0f), lastCameraPosition(), canShoot(true), canMove(true), hasAlly(false),
      isInvincible(false), ally(nullptr), bulletType(0), hitNumber(0), shootMode(0), cameraAngleSpeed(0.0f),
      cameraKick(false), ramAngle(0.0f), hasRam(false), ramFlashUntil(0), ramGraphic(nullptr), ramAnimation(nullptr),
      ramFlashColor(1.0f, 1.0f, 1.0f, 1.0f), defenseGun(nullptr), defenseSpiralGun(nullptr), shipModel(0) {
    installHooks();
    numberOfKilledEnnemies = 0;
    shipGraphic = VectorModel::loadFromLuaScript("/data/graphics/shipGraphic.lua");
    PlayContext::setCamera(p);
    player = this;
    ramGraphic = VectorModel::loadFromLuaScript("/data/graphics/ramGraphic.lua");
    guns.push_back(new PlayerGun1Shot(this));
    guns.push_back(new PlayerGun2Shot(this));
    guns.push_back(new PlayerGun3Shot(this));
    guns.push_back(new PlayerGunCircleShot(this));
    guns.push_back(new PlayerGunSinusoidal(this));
    guns.push_back(new PlayerGunSpiralShot(this));
    guns.push_back(new PlayerGunSinusoidal2(this));
    guns.push_back(new PlayerGunUltimateMafa(this));
    guns.push_back(new PlayerGunFusion(this));
    defenseGun = new PlayerGunDefenseShot(this);
    defenseSpiralGun = new PlayerGunDefenseSpiralShot(this);
    selectShip(PlayContext::shipModelSelected);
}

Player::~Player() {
    // A script can make a second player: only the one pointed at lets go.
    if (player == this)
        player = nullptr;
    if (ally && ally->player == this)
        ally->player = nullptr;
    delete ramAnimation;
    for (PlayerGun* g : guns)
        delete g;
    delete ship;
    delete defenseGun;
    delete defenseSpiralGun;
}

int Player::getNumberOfBulletsOfModel(int model) {
    if (model < 0 || model >= NUMBER_OF_MODELS_WITH_BULLETS)
        return 0;
    return numberOfBulletsPerModel[model];
}

float Player::getSpeedFactorOfModel(int model) {
    if (model < 0 || model >= NUMBER_OF_MODELS_WITH_SPEED)
        return 1.0f;
    return speedFactorPerModel[model];
}

void Player::selectShip(int model) {
    shipModel = model;
    delete ship;
    ship = nullptr;
    if (model >= 0 && model <= 8) {
        ship = new PlayerNonAnimatedShip(model);
    } else if (model == 10) {
        SoundManager::getInstance()->setRollOffFactor(0.3f);
        ship = new PlayerUltimateShip();
    } else {
        ship = new PlayerNonAnimatedShip(0);
    }
}

void Player::update() {
    ship->update();
    if (canShoot && shootMode >= 0 && shootMode < (int)guns.size())
        guns[shootMode]->shoot();

    Joysticks* sticks = PlayContext::getJoysticks();
    float n = sticks->getMoveJoystickNorm();
    float a = sticks->getMoveJoystickAngle();
    if (canMove) {
        heading = a - 90.0f;
        float r = degreesToRadians(heading);
        float s = hasAlly ? (float)(n / 10.0) : (float)(n / 12.0);
        speed = s;
        if (shipModel > 5)
            s = s * getSpeedFactorOfModel(shipModel);
        position.x += s * std::cos(r);
        position.y += s * std::sin(r);
    }

    forEachTargetAt(position, ship->getRadius(), [this](ReactsToWeaponOrPlayer* t) {
        t->reactToCollisionWithPlayerCallback(this);
        return false;
    });

    if (hasRam) {
        if (ramAnimation)
            ramAnimation->update();
        ramAngle = sticks->getShootJoystickAngle() - 90.0f;
        float r = degreesToRadians(ramAngle);
        float c = std::cos(r), s = std::sin(r);
        Coord tip(position.x + 60.0f * c, position.y + 60.0f * s, 0.0f);
        Coord points[3] = {tip, Coord(tip.x - 30.0f * s, tip.y + 30.0f * c, 0.0f),
                           Coord(tip.x + 30.0f * s, tip.y - 30.0f * c, 0.0f)};
        PlayerWeapon ram(PlayerWeapon::KIND_RAM);
        for (Coord& point : points) {
            forEachTargetAt(point, 0, [this, &ram](ReactsToWeaponOrPlayer* t) {
                t->reactToWeapon(&ram);
                ramFlashUntil = Entity::time + 2;
                return false;
            });
        }
    }

    if (cameraKick) {
        float v = cameraAngleSpeed;
        cameraAngle += v;
        if (v >= 0.0f) {
            if (cameraAngle > 30.0f)
                cameraAngle -= 1.0f;
            if (cameraAngle > 50.0f)
                cameraAngle -= 1.0f;
            if (cameraAngle > 60.0f)
                cameraAngle -= 1.0f;
            cameraAngleSpeed = (float)(v - 0.4);
        } else if (cameraAngle >= 10.0f) {
            cameraAngleSpeed = (float)(v - 0.1);
        } else {
            cameraAngleSpeed = (float)(v + 0.05);
        }
        if (cameraAngle <= 0.0f) {
            cameraAngle = 0.0f;
            cameraKick = false;
        }
    }

    Coord point = position;
    if (hasAlly && ally)
        point = Coord((position.x + ally->position.x) / 2.0f, (position.y + ally->position.y) / 2.0f, 0.0f);
    PlayContext::setCamera(point);
    SoundManager::getInstance()->setListenerPosition(point);
    lastCameraPosition = point;
}

void Player::draw() {
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    glRotatef(heading, 0.0f, 0.0f, 1.0f);
    if (hasCustomColor) {
        glColor4f(customColor.r, customColor.g, customColor.b, customColor.a);
        ship->drawWithoutColor();
    } else {
        ship->draw();
    }
    glPopMatrix();
    if (!hasRam)
        return;
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    glRotatef(ramAngle, 0.0f, 0.0f, 1.0f);
    if (ramFlashUntil > Entity::time) {
        glColor4f(ramFlashColor.r, ramFlashColor.g, ramFlashColor.b, ramFlashColor.a);
        ramGraphic->drawWithoutColor(0);
    } else if (hasCustomColor) {
        ramGraphic->drawWithoutColor(0);
    } else {
        ramGraphic->draw(0);
    }
    if (ramAnimation)
        ramAnimation->draw();
    glPopMatrix();
}

void Player::shootDefense() {
    if (shipModel == 8)
        defenseSpiralGun->shoot(getNumberOfBulletsOfModel(8));
    else
        defenseGun->shoot(getNumberOfBulletsOfModel(shipModel));
}

void Player::hit(int n) {
    shootDefense();
    if (hasAlly && ally) {
        // The second burst comes from the ally: the guns fire from the ship.
        Coord saved = position;
        position = ally->position;
        shootDefense();
        position = saved;
    }
    cameraKick = true;
    cameraAngleSpeed = 3.0f;
    Vibrator::vibrate(Vibrator::TYPE_SHORT);
    SoundManager::getInstance()->playSound("/data/sounds/player_hit.caf");
    hitNumber += n;
}

// Class-wide accessors.

Coord Player::getCoord() { return player ? player->position : Coord(); }

void Player::setCoord(Coord c) {
    if (player)
        player->position = c;
}

float Player::getSpeed() { return player ? player->speed : 0.0f; }

float Player::getSquareDistance(Coord& c) {
    if (!player)
        return 99999.0f;
    float dx = c.x - player->position.x;
    float dy = c.y - player->position.y;
    return dx * dx + dy * dy;
}

float Player::getDistance(Coord& c) {
    if (!player)
        return 99999.0f;
    return std::sqrt(getSquareDistance(c));
}

float Player::getHeading() { return player ? player->heading : 0.0f; }

int Player::getHitNumber() { return player ? player->hitNumber : 0; }

void Player::setHitNumber(int n) {
    if (player)
        player->hitNumber = n;
}

void Player::increaseHitNumber(int n) {
    if (player && !player->isInvincible)
        player->hit(n);
}

void Player::setShootMode(int mode) {
    // A mode without a gun keeps the gun selected before.
    if (player && mode >= 0 && mode < (int)player->guns.size())
        player->shootMode = mode;
}

int Player::getShootMode() { return player ? player->shootMode : 0; }

void Player::setBulletType(int type) {
    if (player)
        player->bulletType = type;
}

int Player::getBulletType() { return player ? player->bulletType : 0; }

void Player::setCanShoot(bool b) {
    if (player)
        player->canShoot = b;
}

void Player::setCanMove(bool b) {
    if (!player)
        return;
    player->canMove = b;
    if (player->hasAlly && player->ally)
        player->ally->setCanMove(b);
}

void Player::setIsInvincible(bool b) {
    if (player)
        player->isInvincible = b;
}

bool Player::getIsInvincible() { return player ? player->isInvincible : false; }

void Player::setShip(int model) {
    if (player)
        player->selectShip(model);
}

int Player::getShip() { return player ? player->shipModel : 0; }

void Player::setHasRam(bool b) {
    if (!player)
        return;
    if (b && !player->ramAnimation)
        player->ramAnimation = new PlayerRamAnimation();
    player->hasRam = b;
}

void Player::setCustomColor(bool b, Color c) {
    if (!player)
        return;
    (void)b;  // every caller passes true
    player->customColor = c;
    player->hasCustomColor = true;
    if (player->hasAlly && player->ally && c.isBlack())
        player->ally->setHide(true);
}

void Player::removeCustomColor() {
    if (!player)
        return;
    player->hasCustomColor = false;
    if (player->hasAlly && player->ally)
        player->ally->setHide(false);
}

void Player::setAlly(Coord c) {
    if (!player)
        return;
    if (player->hasAlly && player->ally) {
        player->ally->setCoord(c);
        return;
    }
    setCustomColor(true, Color(0.0f, 0.8f, 1.0f, 1.0f));
    player->ally = new PlayerAlly(c, player);
    player->hasAlly = true;
}

void Player::removeAlly() {
    if (!player || !player->hasAlly)
        return;
    removeCustomColor();
    if (player->ally)
        player->ally->toBeDeleted = true;
    player->ally = nullptr;
    player->hasAlly = false;
}

PlayerAlly* Player::getAlly() { return player && player->hasAlly ? player->ally : nullptr; }

int Player::getNumberOfKilledEnnemies() { return player ? numberOfKilledEnnemies : 0; }

void Player::setMustBeDeleted(bool b) {
    if (player)
        player->toBeDeleted = b;
}
