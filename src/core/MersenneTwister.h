// The shared MT19937 generator behind every random decision of the simulation.
#pragma once

#include <cstdint>

// The state is class-wide: every object draws from the same sequence. It is
// seeded with 5489 at start and once per game, so that a replay repeats a game.
class MersenneTwister {
public:
    MersenneTwister();
    virtual ~MersenneTwister() {}

    void seed(unsigned int s);
    void gen_state();

    uint32_t operator()() {
        if (p == 624)
            gen_state();
        draws++;
        uint32_t y = state[p++];
        y ^= y >> 11;
        y ^= (y << 7) & 0x9D2C5680u;
        y ^= (y << 15) & 0xEFC60000u;
        y ^= y >> 18;
        return y;
    }

    // Exposed for determinism checks (hash of the generator's state).
    static const uint32_t* getState() { return state; }
    static int getIndex() { return p; }
    // Numbers drawn since the program started, across seedings (tests count
    // the draws of an action as a difference).
    static uint64_t getDrawCount() { return draws; }

private:
    static uint32_t state[624];
    static int p;
    static bool init;
    static uint64_t draws;
};
