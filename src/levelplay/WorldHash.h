// A 64-bit digest of the running simulation, compared step by step to check
// that a replay repeats its game.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Folds bytes into a 64-bit FNV-1a hash.
class WorldDigest {
public:
    void add(const void* p, size_t n) {
        const unsigned char* b = (const unsigned char*)p;
        for (size_t i = 0; i < n; i++) {
            h ^= b[i];
            h *= 1099511628211ull;
        }
    }
    void add(int v) { add(&v, sizeof v); }
    void add(float v) { add(&v, sizeof v); }
    void add(const std::string& s) { add(s.data(), s.size()); }
    uint64_t value() const { return h; }

private:
    uint64_t h = 1469598103934665603ull;
};

// The world in 64 bits: the step counter, every entity's kind, position, hit
// count and delete flag in list order (floating messages are left out: their
// size comes from the font, not from the simulation), the given class
// counters, the registered ones that are not zero, the shared generator's
// state, the score (unless 0) and whether the game is finished.
uint64_t worldHash(const std::vector<int>& counters = {});

// Registers a class-wide counter under a name; registered counters are folded
// in name order, so the digest is the same in every program that registers
// the same set, and a counter at zero adds nothing.
void addCounterToWorldHash(const char* name, const int* counter);
