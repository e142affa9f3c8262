// Test helpers for the enemies: weapons of each kind, a pinned difficulty,
// the class counters of the hash, and hit and contact shortcuts.
#pragma once

#include <string>
#include <vector>

#include "actors/BackAndForth.h"
#include "actors/EnemyKit.h"
#include "actors/MotherShip.h"
#include "actors/OptimizedBAF.h"
#include "actors/Planner.h"
#include "actors/Player.h"
#include "actors/PlayerWeapon.h"
#include "actors/RollingCube.h"
#include "actors/SnakeElement.h"
#include "actors/Spiny.h"
#include "actors/Splitter.h"
#include "actors/SplitterPart.h"
#include "actors/Sucider.h"
#include "actors/Teleporter.h"
#include "levelplay/StatePlay.h"
#include "support/ActorTestKit.h"
#include "support/StateGuards.h"

namespace enemytest {

// A weapon as the player side hands it over, on the stack.
struct Weapon : PlayerWeapon {
    explicit Weapon(int kind, int colourType = -1) : PlayerWeapon(kind) { colorType = (Color::COLOR_TYPE)colourType; }
};

// Pins the difficulty for one test and unpins it afterwards.
class DifficultyPin {
public:
    explicit DifficultyPin(int difficulty) { StatePlay::pinDifficulty(difficulty); }
    ~DifficultyPin() { StatePlay::unpinDifficulty(); }
    DifficultyPin(const DifficultyPin&) = delete;
    DifficultyPin& operator=(const DifficultyPin&) = delete;
};

// Textured flashes are kept only while the effect is on.
class FlashesOn : public SavedValue<bool> {
public:
    FlashesOn() : SavedValue<bool>(TexturedExplosionsHandler::getInstance()->enabled, true) {}
};

// Records the sounds the enemies play while it lives.
class SoundRecorder {
public:
    SoundRecorder() : log(EnemyKit::soundLog, &heard) {}
    int count(const std::string& name) const {
        int n = 0;
        for (const std::string& s : heard)
            n += s == name;
        return n;
    }
    std::vector<std::string> heard;

private:
    SavedValue<std::vector<std::string>*> log;
};

// A player at (1000, 1000), with an ally 200 units to its right when asked.
inline Player* playerWithAlly(bool ally) {
    Player* p = new Player(Coord(1000, 1000, 0));
    if (ally)
        Player::setAlly(Coord(1200, 1000, 0));
    return p;
}

// Every live counter of these classes, for the world hash.
inline std::vector<int> enemyCounters() {
    unsigned int lanes = 0;
    for (int i = 0; i < 2 * OptimizedBAF::LANES; i++)
        lanes = lanes * 31u + OptimizedBAF::count[i];
    return {Teleporter::count,      Sucider::count,
            Splitter::count,        SplitterPart::count,
            Spiny::count,           BackAndForth::count,
            OptimizedBAF::count2,   (int)lanes,
            SnakeElement::count,    SnakeElement::numberOfTimesThePlayerGotHit,
            RollingCube::count,     Planner::count,
            MotherShip::count,      MotherShip::numberOfTimesThePlayerGotHit,
            Player::getHitNumber(), Player::getNumberOfKilledEnnemies()};
}

inline int countOf(const std::type_info& type) {
    int n = 0;
    for (Entity* e : Entity::entityVector)
        if (typeid(*e) == type)
            n++;
    return n;
}

template <class T>
int countOf() {
    return countOf(typeid(T));
}

}  // namespace enemytest
