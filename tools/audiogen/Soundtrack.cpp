// The soundtrack: an A-minor electronic arcade track of 128 bars at 128 beats a
// minute (four minutes), built from note events and rendered into instrument
// buses, with delay and reverb applied around the loop so that the end flows
// into the start without a seam.
#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <string>

#include "Synth.h"

namespace audiogen {
namespace {

constexpr double kRate = kTrackRate;
constexpr int kStep = 5168;  // one sixteenth note in samples (128 bpm)
constexpr int kBar = 16 * kStep;
constexpr int kBars = 128;
constexpr int kLength = kBars * kBar;

enum Bus { DRUMS, BASS, PAD, ARP, LEAD, BUS_COUNT };

// Mono buses; each is panned and sent to the effects when mixed.
struct Buses {
    std::array<Samples, BUS_COUNT> bus;
    // Rendered notes by name: a note that repeats is synthesised once.
    std::map<std::string, Samples> notes;
    Buses() {
        for (Samples& b : bus)
            b.assign(kLength, 0.0f);
    }
    // Adds the note `key` at `start`, wrapping past the end; `voice` makes its
    // `count` samples the first time the key is seen.
    template <class Voice>
    void add(Bus b, int start, const std::string& key, int count, Voice voice) {
        auto found = notes.find(key);
        if (found == notes.end()) {
            Samples s(count);
            for (int k = 0; k < count; k++)
                s[k] = voice(k / kRate);
            found = notes.emplace(key, std::move(s)).first;
        }
        Samples& out = bus[b];
        const Samples& note = found->second;
        for (size_t k = 0; k < note.size(); k++)
            out[(start + k) % kLength] += note[k];
    }
};

std::string key(const char* kind, double a, double b = 0.0, double c = 0.0) {
    char text[96];
    std::snprintf(text, sizeof text, "%s %.4f %.4f %.4f", kind, a, b, c);
    return text;
}

struct Chord {
    int root;  // midi note of the pad's lowest voice
    bool minor;
};

const Chord kAm{57, true}, kF{53, false}, kC{60, false}, kG{55, false}, kDm{62, true}, kEm{52, true}, kE{52, false};
const std::vector<Chord> kVerse{kAm, kF, kC, kG};
const std::vector<Chord> kChorus{kF, kG, kEm, kAm};
const std::vector<Chord> kBridge{kDm, kEm, kF, kE};

struct Note {
    int step, length, midi;
};

// Four-bar melodies, in sixteenth steps.
const std::vector<Note> kMelodyA{{0, 3, 76},  {3, 3, 74},  {6, 2, 72},  {8, 4, 69},  {12, 2, 72}, {14, 2, 74},
                                 {16, 3, 77}, {19, 3, 76}, {22, 2, 72}, {24, 6, 69}, {30, 2, 72}, {32, 3, 76},
                                 {35, 3, 79}, {38, 2, 76}, {40, 4, 72}, {44, 2, 74}, {46, 2, 76}, {48, 6, 74},
                                 {54, 2, 71}, {56, 4, 67}, {60, 4, 71}};
const std::vector<Note> kMelodyA2{{0, 3, 76},  {3, 3, 74},  {6, 2, 72},  {8, 4, 69},  {12, 2, 72},
                                  {14, 2, 74}, {16, 3, 77}, {19, 3, 76}, {22, 2, 72}, {24, 6, 69},
                                  {30, 2, 72}, {32, 2, 79}, {34, 2, 77}, {36, 2, 76}, {38, 2, 74},
                                  {40, 4, 76}, {44, 4, 72}, {48, 4, 71}, {52, 4, 74}, {56, 8, 69}};
const std::vector<Note> kMelodyB{{0, 4, 81},  {4, 2, 79},  {6, 2, 77},  {8, 4, 76},  {12, 4, 72}, {16, 4, 79},
                                 {20, 2, 77}, {22, 2, 76}, {24, 4, 74}, {28, 4, 71}, {32, 3, 76}, {35, 3, 79},
                                 {38, 2, 83}, {40, 4, 81}, {44, 4, 79}, {48, 6, 76}, {54, 2, 74}, {56, 8, 69}};

// What plays in an eight-bar section.
struct Section {
    const std::vector<Chord>* chords;
    bool pad, arp, bass, kick, snare, hats;
    const std::vector<Note>* melody;   // first four bars (null: none)
    const std::vector<Note>* melody2;  // last four bars
    int leadOctave;                    // 0 or 12
    bool build;                        // a snare roll over the last two bars
    bool halfTime;
    float arpOpen;  // arp filter opening 0..1
};

std::vector<Section> arrangement() {
    const auto* v = &kVerse;
    const auto* c = &kChorus;
    const auto* b = &kBridge;
    return {
        {v, true, true, false, false, false, false, nullptr, nullptr, 0, false, false, 0.2f},
        {v, true, true, true, true, false, true, nullptr, nullptr, 0, false, false, 0.4f},
        {v, true, true, true, true, true, true, nullptr, nullptr, 0, false, false, 0.6f},
        {v, true, true, true, true, true, true, &kMelodyA, &kMelodyA2, 0, false, false, 0.6f},
        {v, true, true, true, true, true, true, &kMelodyA, &kMelodyA2, 12, false, false, 0.8f},
        {c, true, true, true, true, true, true, &kMelodyB, &kMelodyB, 0, false, false, 0.8f},
        {b, true, true, false, false, false, true, nullptr, nullptr, 0, false, false, 0.3f},
        {v, true, true, true, true, false, true, nullptr, nullptr, 0, true, false, 0.5f},
        {v, true, true, true, true, true, true, &kMelodyA, &kMelodyA2, 0, false, false, 0.7f},
        {c, true, true, true, true, true, true, &kMelodyB, &kMelodyB, 12, false, false, 0.9f},
        {b, true, true, true, true, true, true, nullptr, nullptr, 0, false, true, 0.5f},
        {v, true, true, true, true, true, true, nullptr, nullptr, 0, false, false, 1.0f},
        {v, true, true, true, true, true, true, &kMelodyA, &kMelodyA2, 0, true, false, 0.8f},
        {c, true, true, true, true, true, true, &kMelodyB, &kMelodyB, 0, false, false, 0.9f},
        {v, true, true, true, true, true, true, &kMelodyA, &kMelodyA2, 12, false, false, 1.0f},
        {v, true, true, false, false, false, true, nullptr, nullptr, 0, false, false, 0.3f},
    };
}

void kick(Buses& m, int at, float level) {
    Phase p;
    m.add(DRUMS, at, key("kick", level), (int)(0.3 * kRate), [=](double t) mutable {
        return sine(p.advance(glide(t, 150.0, 45.0, 0.07), kRate)) * decay(t, 0.3) * level;
    });
}

void snare(Buses& m, int at, float level, uint32_t seed) {
    Noise n(seed);
    StateVariable f;
    Phase p;
    m.add(DRUMS, at, key("snare", level, seed), (int)(0.2 * kRate), [=](double t) mutable {
        f.run(n.white(), 2500.0, 0.7, kRate);
        return (f.band * decay(t, 0.18) + sine(p.advance(185.0, kRate)) * decay(t, 0.07) * 0.5f) * level;
    });
}

void hat(Buses& m, int at, float level, double length, uint32_t seed) {
    Noise n(seed);
    LowPass lp;
    const float a = LowPass::coefficient(7000.0, kRate);
    m.add(DRUMS, at, key("hat", level, length, seed), (int)(length * kRate), [=](double t) mutable {
        float x = n.white();
        return (x - lp.run(x, a)) * decay(t, length) * level;
    });
}

void bassNote(Buses& m, int at, int midi, float level) {
    Phase a, sub;
    LowPass lp1, lp2;
    double f = noteFrequency(midi);
    m.add(BASS, at, key("bass", midi, level), kStep + 800, [=](double t) mutable {
        double cutoff = 180.0 + 1400.0 * decay(t, 0.09);
        float x = saw(a.advance(f, kRate)) * 0.6f + square(sub.advance(f * 0.5, kRate)) * 0.4f;
        float env = t < (double)kStep / kRate ? 1.0f : decay(t - (double)kStep / kRate, 0.02);
        return lp2.run(lp1.run(x, cutoff, kRate), cutoff, kRate) * env * level * hitEnvelope(t, 0.002, 10.0);
    });
}

void padChord(Buses& m, int at, const Chord& c, float level) {
    const int third = c.minor ? 3 : 4;
    const int voices[] = {c.root, c.root + third, c.root + 7, c.root + 12};
    const double detune[] = {0.997, 1.0, 1.004};
    int length = kBar + (int)(0.4 * kRate);
    for (int v : voices)
        for (double d : detune) {
            Phase p;
            p.turns = 0.37 * d;  // spread the starting phases so voices do not click together
            LowPass lp;
            const float a = LowPass::coefficient(1600.0, kRate);
            double f = noteFrequency(v) * d;
            m.add(PAD, at, key("pad", v, d, level), length, [=](double t) mutable {
                double hold = (double)kBar / kRate;
                float env = t < hold ? (float)std::min(1.0, t / 0.25) : decay(t - hold, 0.4);
                return lp.run(saw(p.advance(f, kRate)), a) * env * level;
            });
        }
}

void arpNote(Buses& m, int at, int midi, float level, float open) {
    Phase p;
    StateVariable f;
    double freq = noteFrequency(midi);
    m.add(ARP, at, key("arp", midi, level, open), (int)(0.22 * kRate), [=](double t) mutable {
        f.run(square(p.advance(freq, kRate), 0.25), 600.0 + 5000.0 * open * decay(t, 0.12), 1.4, kRate);
        return f.low * hitEnvelope(t, 0.002, 0.2) * level;
    });
}

void leadNote(Buses& m, int at, int steps, int midi, float level) {
    Phase a, b, vib;
    LowPass lp;
    const float a3200 = LowPass::coefficient(3200.0, kRate);
    double f = noteFrequency(midi);
    double hold = (double)(steps * kStep) / kRate;
    m.add(LEAD, at, key("lead", steps, midi, level), steps * kStep + (int)(0.15 * kRate), [=](double t) mutable {
        double wobble = 1.0 + (t > 0.18 ? 0.006 * sine(vib.advance(5.5, kRate)) : 0.0);
        float x = square(a.advance(f * wobble, kRate), 0.5) * 0.5f + saw(b.advance(f * wobble * 1.003, kRate)) * 0.5f;
        float env =
            t < hold ? (float)std::min(1.0, t / 0.01) * (0.75f + 0.25f * decay(t, 0.3)) : 0.75f * decay(t - hold, 0.12);
        return lp.run(x, a3200) * env * level;
    });
}

void renderSection(Buses& m, const Section& s, int firstBar, uint32_t& seed) {
    for (int bar = 0; bar < 8; bar++) {
        const Chord& chord = (*s.chords)[bar % 4];
        int at = (firstBar + bar) * kBar;
        if (s.pad)
            padChord(m, at, chord, 0.045f);
        const int third = chord.minor ? 3 : 4;
        if (s.arp) {
            const int pattern[] = {0, 7, 12, third + 12, 7, 12, 19, third + 24};
            for (int k = 0; k < 16; k++)
                arpNote(m, at + k * kStep, chord.root + 12 + pattern[(k + bar) % 8], 0.16f, s.arpOpen);
        }
        if (s.bass) {
            int root = 28 + ((chord.root - 28) % 12);
            for (int k = 0; k < 16; k++) {
                int octave = (k % 4 == 2) ? 12 : 0;
                bassNote(m, at + k * kStep, root + octave, k % 4 == 0 ? 0.5f : 0.38f);
            }
        }
        for (int k = 0; k < 16; k++) {
            int t = at + k * kStep;
            bool roll = s.build && bar >= 6;
            if (s.kick && (s.halfTime ? k % 8 == 0 : k % 4 == 0))
                kick(m, t, 0.9f);
            if (s.snare && !roll && (s.halfTime ? k == 8 : k % 8 == 4))
                snare(m, t, 0.45f, 1 + seed++ % 4);
            if (roll && (bar == 7 || k % 2 == 0))
                snare(m, t, 0.15f + 0.3f * ((bar - 6) * 16 + k) / 32.0f, 1 + seed++ % 4);
            if (s.hats)
                hat(m, t, k % 4 == 2 ? 0.22f : 0.09f, k % 4 == 2 ? 0.09 : 0.03, 11 + seed++ % 8);
        }
    }
    auto melody = [&](const std::vector<Note>* notes, int bar) {
        if (!notes)
            return;
        for (const Note& n : *notes)
            leadNote(m, (firstBar + bar) * kBar + n.step * kStep, n.length, n.midi + s.leadOctave, 0.13f);
    };
    melody(s.melody, 0);
    melody(s.melody2, 4);
    if (s.halfTime) {
        // The bridge: long lead notes on each chord's fifth.
        for (int bar = 0; bar < 8; bar++) {
            const Chord& chord = (*s.chords)[bar % 4];
            leadNote(m, (firstBar + bar) * kBar, 14, chord.root + 19, 0.1f);
        }
    }
}

// Feedback delay line.
struct Delay {
    Samples line;
    int at = 0;
    float feedback;
    explicit Delay(int length, float feedbackGain) : line(length, 0.0f), feedback(feedbackGain) {}
    float run(float in) {
        float echo = line[at];
        line[at] = in + echo * feedback;
        if (++at == (int)line.size())
            at = 0;
        return echo;
    }
};

// Schroeder reverb: four damped combs in parallel, then two all-passes.
struct Reverb {
    std::array<Samples, 4> comb;
    std::array<Samples, 2> all;
    std::array<int, 4> ci{};
    std::array<int, 2> ai{};
    std::array<float, 4> damp{};
    explicit Reverb(int spread) {
        const int combLength[] = {1557, 1617, 1491, 1422};
        const int allLength[] = {225, 556};
        for (int k = 0; k < 4; k++)
            comb[k].assign(combLength[k] + spread, 0.0f);
        for (int k = 0; k < 2; k++)
            all[k].assign(allLength[k] + spread / 3, 0.0f);
    }
    float run(float in) {
        float sum = 0.0f;
        for (int k = 0; k < 4; k++) {
            float y = comb[k][ci[k]];
            damp[k] = y * 0.7f + damp[k] * 0.3f;
            comb[k][ci[k]] = in * 0.25f + damp[k] * 0.84f;
            if (++ci[k] == (int)comb[k].size())
                ci[k] = 0;
            sum += y;
        }
        for (int k = 0; k < 2; k++) {
            float b = all[k][ai[k]];
            float y = -sum + b;
            all[k][ai[k]] = sum + b * 0.5f;
            if (++ai[k] == (int)all[k].size())
                ai[k] = 0;
            sum = y;
        }
        return sum;
    }
};

}  // namespace

Samples makeSoundtrack() {
    Buses m;
    uint32_t seed = 1;
    std::vector<Section> sections = arrangement();
    for (size_t s = 0; s < sections.size(); s++)
        renderSection(m, sections[s], (int)s * 8, seed);

    // Echoes: the arp in dotted eighths, the lead in eighths on one side; a
    // room on everything. The effects first run over the last bars so that
    // their tails carry into the start: the loop has no seam.
    Delay arpL(3 * kStep, 0.45f), arpR(4 * kStep, 0.4f), leadEcho(2 * kStep, 0.3f);
    Reverb roomL(0), roomR(23);
    Samples stereo(2 * (size_t)kLength);
    float top = 0.0f;
    const int warmUp = 4 * kBar;
    for (int n = -warmUp; n < kLength; n++) {
        int i = n < 0 ? n + kLength : n;
        const float pad = m.bus[PAD][i], arp = m.bus[ARP][i], lead = m.bus[LEAD][i], drums = m.bus[DRUMS][i];
        float send = pad * 0.8f + arp * 0.4f + lead * 0.5f + drums * 0.1f;
        float echoL = arp + arpL.run(arp) * 0.5f, echoR = arp + arpR.run(arp) * 0.45f;
        float leadTail = leadEcho.run(lead) * 0.35f;
        float wetL = roomL.run(send), wetR = roomR.run(send);
        if (n < 0)
            continue;
        float centre = drums + m.bus[BASS][i] + lead * 0.8f;
        float l = drive(centre + pad * 0.9f + echoL * 0.8f + leadTail * 0.25f + wetL * 0.35f, 0.9f);
        float r = drive(centre + pad * 0.9f + echoR * 0.8f + wetR * 0.35f, 0.9f);
        stereo[2 * i] = l;
        stereo[2 * i + 1] = r;
        top = std::max(top, std::max(std::fabs(l), std::fabs(r)));
    }
    for (float& s : stereo)
        s *= 0.89f / top;
    return stereo;
}

std::vector<int> loudnessEnvelope(const Samples& stereo, int perSecond, int count, int top) {
    size_t frames = stereo.size() / 2;
    size_t window = kTrackRate / perSecond;
    size_t windows = frames / window;
    std::vector<double> rms(windows);
    double loudest = 0.0;
    for (size_t w = 0; w < windows; w++) {
        double sum = 0.0;
        for (size_t i = w * window; i < (w + 1) * window; i++) {
            double mono = 0.5 * (stereo[2 * i] + stereo[2 * i + 1]);
            sum += mono * mono;
        }
        rms[w] = std::sqrt(sum / window);
        loudest = std::max(loudest, rms[w]);
    }
    std::vector<int> out(count);
    for (int i = 0; i < count; i++) {
        double v = loudest > 0.0 ? rms[i % windows] / loudest : 0.0;
        out[i] = std::min(top, (int)(v * top + 0.5));
    }
    return out;
}

}  // namespace audiogen
