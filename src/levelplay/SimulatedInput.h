// Touches for a play screen run without a player: none, random sweeps of
// both sticks, a timed list from a file, or the level's own scripted player.
// Used by the simulation tool, the benchmarks and the tests.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

class Joysticks;
struct lua_State;

class SimulatedInput {
public:
    // "neutral", "random:SEED", "pilot" or the path of a file of lines
    // "STEP X0 Y0 X1 Y1" (touches from that step on, -1 -1 for no touch;
    // "#" starts a comment). False, with a message, when the description is bad.
    bool parse(const std::string& spec, std::string* error);

    // The pilot is the level's levelTest.pilot(), asked once a step in the
    // level's state for four integers: move angle and strength, shoot angle
    // and strength; angles in degrees (0 along +x, 90 along +y, as in the
    // world), strengths 0..100 (0 lifts that finger). It only reads the
    // game: a replay stores the stick commands of each step (the angle and
    // strength of both sticks), not the pilot nor the touches.
    bool isPilot() const { return mode == PILOT; }
    void setPilotState(lua_State* L) { pilotState = L; }
    // The pilot's first failure, "" while there is none: no hook, a script
    // error, values that are not numbers, or a draw from the game's
    // generator. After a failure its fingers stay lifted.
    const std::string& pilotError() const { return pilotFailure; }

    // The two touches of a step (counted from 0); x = -1 for a free slot.
    void touchesForStep(int step, Joysticks* sticks, int x[2], int y[2]);

private:
    enum Mode { NEUTRAL, RANDOM, TIMED, PILOT };
    struct Timed {
        int step;
        int x[2], y[2];
    };
    Mode mode = NEUTRAL;
    std::mt19937 generator;
    int nextChange = 0;
    int heldX[2] = {-1, -1}, heldY[2] = {-1, -1};
    std::vector<Timed> timed;
    size_t nextTimed = 0;
    lua_State* pilotState = nullptr;
    std::string pilotFailure;

    void askPilot(Joysticks* sticks);
};
