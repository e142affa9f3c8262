// Touches for a play screen run without a player: none, random sweeps of
// both sticks, or a timed list from a file. Used by the simulation tool,
// the benchmarks and the tests.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

class Joysticks;

class SimulatedInput {
public:
    // "neutral", "random:SEED" or the path of a file of lines
    // "STEP X0 Y0 X1 Y1" (touches from that step on, -1 -1 for no touch;
    // "#" starts a comment). False, with a message, when the description is bad.
    bool parse(const std::string& spec, std::string* error);

    // The two touches of a step (counted from 0); x = -1 for a free slot.
    void touchesForStep(int step, Joysticks* sticks, int x[2], int y[2]);

private:
    enum Mode { NEUTRAL, RANDOM, TIMED };
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
};
