// A 64-bit digest of the running simulation, compared step by step to check
// that a replay repeats its game.
#pragma once

#include <cstdint>

// Folds in the step counter, every entity's kind, position, hits, delete flag
// and index in world order, the registered class counters, the shared
// generator's state, the score and whether the game is finished.
uint64_t worldHash();

// Adds a class-wide counter to the digest under a name; counters are folded
// in name order, so the digest is the same in every program that registers
// the same set.
void addCounterToWorldHash(const char* name, const int* counter);
