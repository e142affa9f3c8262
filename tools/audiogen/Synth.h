// Building blocks of the audio generator: noise, oscillators, envelopes, filters.
//
// Everything here is plain arithmetic on floats with a seeded generator of our
// own, so the generated files come out with the same bytes on every build.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace audiogen {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;

using Samples = std::vector<float>;

// xorshift32: cheap, seedable, identical everywhere.
class Noise {
public:
    explicit Noise(uint32_t seed) : state(seed ? seed : 0x9E3779B9u) {}
    uint32_t next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    // Uniform in [-1, 1).
    float white() { return (float)((double)(next() >> 8) / 8388608.0 - 1.0); }
    // Uniform in [0, 1).
    float unit() { return (float)((double)(next() >> 8) / 16777216.0); }

private:
    uint32_t state;
};

// Phase accumulator; waveforms read the phase in turns (0..1).
struct Phase {
    double turns = 0.0;
    double advance(double frequency, double rate) {
        double t = turns;
        turns += frequency / rate;
        turns -= std::floor(turns);
        return t;
    }
};

inline float sine(double t) { return (float)std::sin(kTwoPi * t); }
// A pulse of the given duty with its mean removed, so that narrow pulses add no DC.
inline float square(double t, double duty = 0.5) { return (float)((t < duty ? 1.0 : -1.0) - (2.0 * duty - 1.0)); }
inline float saw(double t) { return (float)(2.0 * t - 1.0); }
inline float triangle(double t) { return (float)(t < 0.5 ? 4.0 * t - 1.0 : 3.0 - 4.0 * t); }

// Exponential decay reaching 1/1000 (-60 dB) after `seconds`.
inline float decay(double time, double seconds) { return (float)std::exp(-6.9078 * time / seconds); }

// Linear attack over `attack` seconds then exponential decay.
inline float hitEnvelope(double time, double attack, double release) {
    if (time < attack)
        return (float)(time / attack);
    return decay(time - attack, release);
}

// Frequency that glides exponentially from `from` to `to` over `seconds`.
inline double glide(double time, double from, double to, double seconds) {
    double k = time >= seconds ? 1.0 : time / seconds;
    return from * std::pow(to / from, k);
}

// One-pole low-pass.
struct LowPass {
    float y = 0.0f;
    static float coefficient(double cutoff, double rate) { return (float)(1.0 - std::exp(-kTwoPi * cutoff / rate)); }
    float run(float x, double cutoff, double rate) { return run(x, coefficient(cutoff, rate)); }
    // With the coefficient computed once, for a fixed cutoff in a long voice.
    float run(float x, float a) {
        y += a * (x - y);
        return y;
    }
};

// Chamberlin state-variable filter: low, band and high outputs at once.
struct StateVariable {
    float low = 0.0f, band = 0.0f, high = 0.0f;
    void run(float x, double cutoff, double q, double rate) {
        double c = cutoff < rate / 6.5 ? cutoff : rate / 6.5;
        float f = (float)(2.0 * std::sin(kPi * c / rate));
        float damp = (float)(1.0 / q);
        low += f * band;
        high = x - low - damp * band;
        band += f * high;
    }
};

// Soft saturation for grit without hard clipping.
inline float drive(float x, float amount) { return (float)std::tanh(x * amount); }

inline int semitone(double frequency, int steps) { return (int)(frequency * std::pow(2.0, steps / 12.0)); }
inline double noteFrequency(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

// A named sound effect and its samples at kEffectRate.
struct Effect {
    std::string name;
    Samples samples;
};

constexpr int kEffectRate = 22050;
constexpr int kTrackRate = 44100;

std::vector<Effect> makeEffects();

// The soundtrack: interleaved stereo at kTrackRate, looping cleanly.
Samples makeSoundtrack();

// Loudness envelope of a stereo track sampled `perSecond` times a second,
// scaled to 0..top, `count` entries (the track repeats when shorter).
std::vector<int> loudnessEnvelope(const Samples& stereo, int perSecond, int count, int top);

}  // namespace audiogen
