// The player's ship: movement, hits, camera kick, ship models, contact, the
// ram, and the class-wide accessors with and without a player.
#include <AL/al.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "actors/Bullet.h"
#include "actors/Player.h"
#include "actors/PlayerAlly.h"
#include "actors/PlayerNonAnimatedShip.h"
#include "actors/PlayerUltimateShip.h"
#include "actors/SpiralBullet.h"
#include "support/ActorTestKit.h"
#include "support/GraphicsTestSupport.h"

using actortest::Arena;
using actortest::RecordingTarget;

using actortest::countOf;

TEST(Player, ClassAccessorsWithoutAPlayerDoNothing) {
    Arena arena;
    ASSERT_EQ(Player::player, nullptr);
    Coord c(5.0f, 5.0f, 0.0f);
    EXPECT_EQ(Player::getSquareDistance(c), 99999.0f) << "not its square";
    EXPECT_EQ(Player::getDistance(c), 99999.0f);
    EXPECT_EQ(Player::getCoord().x, 0.0f);
    EXPECT_EQ(Player::getSpeed(), 0.0f);
    EXPECT_EQ(Player::getHeading(), 0.0f);
    EXPECT_EQ(Player::getHitNumber(), 0);
    EXPECT_EQ(Player::getShip(), 0);
    EXPECT_EQ(Player::getAlly(), nullptr);
    EXPECT_EQ(Player::getNumberOfKilledEnnemies(), 0);
    Player::increaseHitNumber(1);
    Player::setAlly(c);
    Player::removeAlly();
    Player::setShip(3);
    Player::setHasRam(true);
    Player::setCustomColor(true, Color(0.0f, 0.0f, 0.0f));
    Player::setCoord(c);
    Player::setShootMode(2);
    Player::setCanMove(false);
    Player::setMustBeDeleted(true);
    EXPECT_EQ(Entity::entityVector.size(), 0u);
    // The world asks the player class for distances.
    RecordingTarget* t = new RecordingTarget(c, 5);
    EXPECT_EQ(t->getDistanceFromPlayer(), 99999.0f);
    new Player(Coord(8.0f, 9.0f, 0.0f));
    EXPECT_FLOAT_EQ(t->getSquareDistanceFromPlayer(), 9.0f + 16.0f);
    EXPECT_FLOAT_EQ(t->getDistanceFromPlayer(), 5.0f);
}

TEST(Player, ResetForgetsThePlayerAndTheCameraTilt) {
    Arena arena;
    new Player(Coord(100, 100, 0));
    Player::cameraAngle = 7.0f;
    Entity::reset();
    EXPECT_EQ(Player::player, nullptr);
    EXPECT_EQ(Player::cameraAngle, 0.0f);
}

TEST(Player, MoveStickSpeedByAllyAndModel) {
    struct Case {
        int model;
        bool ally;
        float speed;  // getSpeed, before the model's factor
        float step;   // what the ship moves, without an ally
    };
    const Case cases[] = {
        {0, false, 65 / 12.0f, 65 / 12.0f},
        {5, false, 65 / 12.0f, 65 / 12.0f},
        {6, false, 65 / 12.0f, 65 / 12.0f * 1.1f},
        {8, false, 65 / 12.0f, 65 / 12.0f * 1.4f},
        {0, true, 6.5f, 0.0f},
    };
    for (const Case& c : cases) {
        Arena arena(2048, 2048, 1, c.model);
        Player* p = new Player(Coord(1000, 1000, 0));
        if (c.ally)
            Player::setAlly(Coord(600, 1000, 0));
        arena.hold(90, 65, 0, 0);  // 90 degrees: toward larger x
        arena.step();
        EXPECT_FLOAT_EQ(Player::getSpeed(), c.speed) << "model " << c.model;
        EXPECT_FLOAT_EQ(Player::getHeading(), 0.0f);
        if (!c.ally) {
            EXPECT_NEAR(p->position.x - 1000, c.step, 1e-4) << "model " << c.model;
            EXPECT_NEAR(p->position.y, 1000, 1e-4);
        }
    }
}

TEST(Player, CameraKickRisesDampsAndEndsAtZeroOnStep52) {
    Arena arena;
    new Player(Coord(500, 500, 0));
    Player::increaseHitNumber(1);
    std::vector<float> angles;
    for (int i = 0; i < 60; i++) {
        arena.step();
        angles.push_back(Player::cameraAngle);
    }
    EXPECT_FLOAT_EQ(angles[0], 3.0f);
    EXPECT_FLOAT_EQ(angles[1], 5.6f);
    EXPECT_FLOAT_EQ(angles[2], 7.8f);
    float top = 0.0f;
    for (float a : angles)
        top = std::max(top, a);
    EXPECT_NEAR(top, 12.8f, 1e-3);
    for (int i = 0; i < 51; i++)
        EXPECT_GT(angles[i], 0.0f) << "step " << i + 1;
    EXPECT_EQ(angles[51], 0.0f);
    EXPECT_FALSE(Player::player->cameraKick);
}

TEST(Player, HitFiresTheDefenceBurstPlaysAndCounts) {
    Arena arena(1024, 1024, 1, 4);
    Device::canPlaySoundEffects = false;  // the guns are silent
    actortest::SoundCounter sounds;
    ASSERT_TRUE(sounds.works());
    new Player(Coord(500, 500, 0));
    Player::increaseHitNumber(2);
    EXPECT_EQ(countOf<Bullet>(), 22);
    EXPECT_EQ(Player::getHitNumber(), 2);
    EXPECT_TRUE(Player::player->cameraKick);
    EXPECT_EQ(sounds.count(), 1) << "the hit's; the guns are silent";
}

TEST(Player, InvinciblePlayerIgnoresHits) {
    Arena arena(1024, 1024, 1, 4);
    Device::canPlaySoundEffects = true;
    actortest::SoundCounter sounds;
    new Player(Coord(500, 500, 0));
    Player::setIsInvincible(true);
    size_t before = Entity::entityVector.size();
    Player::increaseHitNumber(1);
    EXPECT_EQ(Entity::entityVector.size(), before);
    EXPECT_EQ(sounds.count(), 0);
    EXPECT_EQ(Player::getHitNumber(), 0);
    EXPECT_FALSE(Player::player->cameraKick);
}

TEST(Player, WithAnAllyAHitFiresFromBothBodies) {
    Arena arena(1024, 1024, 1, 1);  // model 1: 4 shots
    Player* p = new Player(Coord(300, 500, 0));
    Player::setAlly(Coord(590, 500, 0));
    Coord allyAt = Player::getAlly()->position;
    Player::increaseHitNumber(1);
    std::vector<Bullet*> shots = actortest::entitiesOf<Bullet>();
    ASSERT_EQ(shots.size(), 8u);
    int nearShip = 0, nearAlly = 0;
    for (Bullet* b : shots) {
        // Each shot has already flown one step of 18 from where it was fired.
        Coord at = b->position;
        if (std::fabs(std::sqrt(at.getSquareDistanceFrom(p->position)) - 18.0f) < 0.01f)
            nearShip++;
        if (std::fabs(std::sqrt(at.getSquareDistanceFrom(allyAt)) - 18.0f) < 0.01f)
            nearAlly++;
    }
    EXPECT_EQ(nearShip, 4);
    EXPECT_EQ(nearAlly, 4);
    EXPECT_EQ(p->position.x, 300.0f) << "the ship is put back";
}

TEST(Player, ShipModelsOutsideTheGraphicDrawModelZero) {
    ASSERT_TRUE(graphicstest::ensureGlContext());
    struct Case {
        int model;
        int frame;  // drawn frame, -1 for the ultimate ship
        int shots;  // defence burst
        int radius;
    };
    const Case cases[] = {{0, 0, 0, 0},    {3, 3, 15, 0}, {8, 8, 36, 0}, {9, 0, 0, 0},
                          {10, -1, 0, 20}, {-1, 0, 0, 0}, {99, 0, 0, 0}, {15, 0, 0, 0}};
    for (const Case& c : cases) {
        Arena arena(1024, 1024, 1, c.model);
        Player* p = new Player(Coord(500, 500, 0));
        EXPECT_EQ(Player::getShip(), c.model);
        EXPECT_EQ(p->ship->getRadius(), c.radius) << c.model;
        if (c.frame >= 0) {
            PlayerNonAnimatedShip* s = dynamic_cast<PlayerNonAnimatedShip*>(p->ship);
            ASSERT_NE(s, nullptr) << c.model;
            EXPECT_EQ(s->frame, c.frame) << c.model;
        } else {
            EXPECT_NE(dynamic_cast<PlayerUltimateShip*>(p->ship), nullptr);
        }
        Player::increaseHitNumber(1);
        EXPECT_EQ(countOf<Bullet>(), c.shots) << c.model;
        arena.hold(30, 65, 0, 0);
        arena.run(2);
        graphicstest::resetGlState();
        p->draw();
        Player::setAlly(Coord(400, 500, 0));
        arena.run(2);
        Player::getAlly()->draw();
    }
}

TEST(Player, UltimateShipSetsTheSoundRollOffAndSpins) {
    Arena arena(1024, 1024, 1, 10);
    SoundManager* sounds = SoundManager::getInstance();
    ASSERT_TRUE(sounds->hasDevice);
    sounds->setRollOffFactor(10.0f);
    Player* p = new Player(Coord(500, 500, 0));
    float rollOff = 0.0f;
    alGetSourcef(sounds->sources[0], AL_ROLLOFF_FACTOR, &rollOff);
    EXPECT_FLOAT_EQ(rollOff, 0.3f);
    sounds->setRollOffFactor(10.0f);
    PlayerUltimateShip* ship = dynamic_cast<PlayerUltimateShip*>(p->ship);
    ASSERT_NE(ship, nullptr);
    arena.hold(0, 0, 0, 0);
    arena.step();
    EXPECT_FLOAT_EQ(ship->spin, 2.0f) << "at least 2 degrees a step";
    arena.hold(0, 65, 0, 0);
    arena.step();
    EXPECT_FLOAT_EQ(ship->spin, 15.0f) << "13 at full deflection";
}

TEST(Player, ContactAtTheShipsCentreOrWithinItsRadius) {
    for (int model : {0, 10}) {
        Arena arena(1024, 1024, 1, model);
        // All in the ship's grid cell (384 to 511 both ways).
        Player* p = new Player(Coord(440, 440, 0));
        RecordingTarget* centre = new RecordingTarget(Coord(445, 440, 0), 10);
        RecordingTarget* edge = new RecordingTarget(Coord(470, 440, 0), 10);  // 20 from its rim
        RecordingTarget* far = new RecordingTarget(Coord(475, 440, 0), 10);   // 25 from its rim
        arena.refill();
        arena.step();
        EXPECT_EQ(centre->contacts.size(), 1u) << model;
        ASSERT_FALSE(centre->contacts.empty());
        EXPECT_EQ(centre->contacts[0], p);
        EXPECT_EQ(edge->contacts.size(), model == 10 ? 1u : 0u) << model;
        EXPECT_TRUE(far->contacts.empty()) << model;
    }
}

TEST(Player, RamStrikesOncePerPointAndFlashesTwoSteps) {
    Arena arena;
    Player* p = new Player(Coord(500, 500, 0));
    Player::setHasRam(true);
    // Shoot stick at 90 degrees: the ram points toward larger x, tip at 560.
    RecordingTarget* big = new RecordingTarget(Coord(560, 500, 0), 40, true);
    RecordingTarget* side = new RecordingTarget(Coord(560, 530, 0), 3, true);
    arena.refill();
    arena.hold(0, 0, 90, 0);
    arena.step();
    EXPECT_EQ(big->kinds, (std::vector<int>{2, 2, 2})) << "all three points, whatever it answers";
    EXPECT_EQ(side->kinds, (std::vector<int>{2}));
    EXPECT_FLOAT_EQ(p->ramAngle, 0.0f);
    int hitAt = Entity::time;
    EXPECT_EQ(p->ramFlashUntil, hitAt + 2);
    big->position = Coord(900, 900, 0);
    side->position = Coord(900, 950, 0);
    arena.step();
    EXPECT_GT(p->ramFlashUntil, Entity::time) << "still flashing one step later";
    arena.step();
    EXPECT_FALSE(p->ramFlashUntil > Entity::time);
    EXPECT_EQ(big->kinds.size(), 3u);
}

TEST(Player, ShootModeOutsideTheGunsKeepsTheGun) {
    Arena arena;
    new Player(Coord(500, 500, 0));
    Player::setShootMode(4);
    for (int bad : {-1, 9, 1000})
        Player::setShootMode(bad);
    EXPECT_EQ(Player::getShootMode(), 4);
}

TEST(Player, DefenceStepWithNoShotsOrOddCounts) {
    // Models 0 and 9 to 14 give no shots; the spiral burst halves its count.
    EXPECT_EQ(Player::getNumberOfBulletsOfModel(-1), 0);
    EXPECT_EQ(Player::getNumberOfBulletsOfModel(15), 0);
    EXPECT_EQ(Player::getNumberOfBulletsOfModel(8), 36);
    EXPECT_EQ(Player::getSpeedFactorOfModel(15), 2.0f);
    EXPECT_EQ(Player::getSpeedFactorOfModel(16), 1.0f);
    EXPECT_EQ(Player::getSpeedFactorOfModel(-3), 1.0f);
    Arena arena(1024, 1024, 1, 8);
    new Player(Coord(500, 500, 0));
    Player::increaseHitNumber(1);
    EXPECT_EQ(countOf<SpiralBullet>(), 18);
    EXPECT_EQ(countOf<Bullet>(), 36);
}

TEST(Player, TheNewestPlayerIsTheOneAndOnlyItsDestructorClearsIt) {
    Arena arena;
    Player* first = new Player(Coord(100, 100, 0));
    Player* second = new Player(Coord(200, 200, 0));
    EXPECT_EQ(Player::player, second);
    first->toBeDeleted = true;
    arena.step();
    EXPECT_EQ(Player::player, second);
    second->toBeDeleted = true;
    arena.step();
    EXPECT_EQ(Player::player, nullptr);
}

TEST(Player, CustomColourBlackHidesTheAllyAndRemovalShowsIt) {
    Arena arena;
    new Player(Coord(500, 500, 0));
    Player::setAlly(Coord(300, 500, 0));
    PlayerAlly* ally = Player::getAlly();
    ASSERT_NE(ally, nullptr);
    EXPECT_FLOAT_EQ(ally->position.x, 310.0f) << "10 units to the right";
    EXPECT_TRUE(Player::player->hasCustomColor);
    Player::setCustomColor(true, Color(0.0f, 0.0f, 0.0f));
    EXPECT_TRUE(ally->hidden);
    Player::removeCustomColor();
    EXPECT_FALSE(ally->hidden);
    Player::setAlly(Coord(700, 500, 0));
    EXPECT_EQ(Player::getAlly(), ally) << "a second call moves the ally";
    EXPECT_FLOAT_EQ(ally->position.x, 700.0f);
    Player::setCanMove(false);
    EXPECT_FALSE(ally->canMove);
}
