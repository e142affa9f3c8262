// MT19937: seeding, the 624-word refill and the class-wide state.
#include "core/MersenneTwister.h"

uint32_t MersenneTwister::state[624];
int MersenneTwister::p = 624;
bool MersenneTwister::init = false;
uint64_t MersenneTwister::draws = 0;

MersenneTwister::MersenneTwister() {
    if (!init)
        seed(5489);
    init = true;
}

void MersenneTwister::seed(unsigned int s) {
    state[0] = s;
    for (uint32_t i = 1; i < 624; i++)
        state[i] = 1812433253u * (state[i - 1] ^ (state[i - 1] >> 30)) + i;
    p = 624;
}

static inline uint32_t twist(uint32_t u, uint32_t v) {
    uint32_t y = (u & 0x80000000u) | (v & 0x7FFFFFFFu);
    return (y >> 1) ^ ((v & 1u) ? 0x9908B0DFu : 0u);
}

void MersenneTwister::gen_state() {
    for (int i = 0; i < 624; i++)
        state[i] = state[(i + 397) % 624] ^ twist(state[i], state[(i + 1) % 624]);
    p = 0;
}
