// The game's 42 sound effects, each a small recipe of oscillators and noise.
#include <algorithm>
#include <functional>

#include "Synth.h"

namespace audiogen {
namespace {

constexpr double kRate = kEffectRate;

// Runs `voice` once per sample for `seconds`, then scales the peak to `peak`
// and fades the last 5 ms so that no sound ends on a click.
Samples render(double seconds, float peak, const std::function<float(double)>& voice) {
    int count = (int)(seconds * kRate);
    Samples out(count);
    for (int i = 0; i < count; i++)
        out[i] = voice(i / kRate);
    float top = 0.0f;
    for (float s : out)
        top = std::max(top, std::fabs(s));
    if (top > 0.0f)
        for (float& s : out)
            s *= peak / top;
    int fade = std::min(count, (int)(0.005 * kRate));
    for (int i = 0; i < fade; i++)
        out[count - 1 - i] *= (float)i / fade;
    return out;
}

// Menu and pick-up blips: a few pulse-wave notes in a row.
Samples arpeggio(const std::vector<double>& notes, double step, double duty, double tail, float peak) {
    Phase p;
    return render(step * notes.size() + tail, peak, [&, p](double t) mutable {
        size_t k = std::min(notes.size() - 1, (size_t)(t / step));
        double local = t - k * step;
        return square(p.advance(notes[k], kRate), duty) * decay(local, step + tail) * 0.5f;
    });
}

// A shot: a pulse wave falling in pitch with a breath of noise at its start.
Samples shot(double from, double to, double seconds, double duty, uint32_t seed, float noiseLevel) {
    Phase p;
    Noise n(seed);
    LowPass lp;
    return render(seconds, 0.85f, [=](double t) mutable {
        float tone = square(p.advance(glide(t, from, to, seconds * 0.8), kRate), duty);
        float hiss = lp.run(n.white(), 5000.0, kRate) * decay(t, seconds * 0.3) * noiseLevel;
        return (tone * 0.6f + hiss) * hitEnvelope(t, 0.002, seconds);
    });
}

// An explosion: low-passed noise whose cutoff falls, over a sinking boom.
Samples explosion(double seconds, double cutoff, double boomFrom, double boomTo, uint32_t seed, float crackle) {
    Phase boom;
    Noise n(seed);
    StateVariable f;
    return render(seconds, 0.9f, [=](double t) mutable {
        f.run(n.white(), glide(t, cutoff, cutoff * 0.08, seconds), 0.8, kRate);
        float body = f.low * 1.6f * hitEnvelope(t, 0.003, seconds);
        float low = sine(boom.advance(glide(t, boomFrom, boomTo, seconds * 0.6), kRate)) * decay(t, seconds * 0.7);
        float sparks = (n.unit() < crackle * decay(t, seconds)) ? n.white() * 0.7f : 0.0f;
        return drive(body + low * 0.9f + sparks, 1.5f);
    });
}

// A metal strike: inharmonic partials that ring out.
Samples metal(double base, double seconds, const std::vector<double>& ratios, uint32_t seed) {
    std::vector<Phase> phases(ratios.size());
    Noise n(seed);
    return render(seconds, 0.8f, [=](double t) mutable {
        float sum = 0.0f;
        for (size_t k = 0; k < ratios.size(); k++)
            sum += sine(phases[k].advance(base * ratios[k], kRate)) * decay(t, seconds / (1.0 + 0.5 * k)) / (1.0f + k);
        float strike = n.white() * decay(t, 0.01);
        return sum + strike * 0.4f;
    });
}

// A gong: many inharmonic partials that ring long, the upper ones blooming a
// little after the strike, over a soft mallet thump.
Samples gong(double base, double seconds, uint32_t seed) {
    static const double ratios[] = {1.0, 1.52, 2.31, 2.94, 3.68, 4.42, 5.13, 6.31, 7.74, 9.27, 11.4, 13.9};
    std::vector<Phase> phases(12);
    Noise n(seed);
    LowPass lp;
    return render(seconds, 0.8f, [=](double t) mutable {
        float sum = 0.0f;
        for (int k = 0; k < 12; k++) {
            double f = base * ratios[k] * (1.0 - 0.004 * std::min(1.0, t / seconds));
            float bloom = (float)std::min(1.0, t / (0.004 + 0.012 * k));
            sum +=
                sine(phases[k].advance(f, kRate)) * bloom * decay(t, seconds * (1.6 - 0.08 * k)) / (1.0f + 0.35f * k);
        }
        float mallet = lp.run(n.white(), 400.0, kRate) * decay(t, 0.05) * 2.0f;
        return sum + mallet;
    });
}

// A ring-modulated sweep: two oscillators multiplied, for alien noises.
Samples ringSweep(double fromA, double toA, double fromB, double toB, double seconds, double attack) {
    Phase a, b;
    return render(seconds, 0.8f, [=](double t) mutable {
        float x = saw(a.advance(glide(t, fromA, toA, seconds), kRate));
        float y = sine(b.advance(glide(t, fromB, toB, seconds), kRate));
        return drive(x * y * 1.2f, 2.0f) * hitEnvelope(t, attack, seconds * 0.6);
    });
}

Samples noiseWhoosh(double seconds, double from, double to, double q, uint32_t seed, double wobble) {
    Noise n(seed);
    StateVariable f;
    return render(seconds, 0.8f, [=](double t) mutable {
        double cutoff = glide(t, from, to, seconds) * (1.0 + 0.3 * std::sin(kTwoPi * wobble * t));
        f.run(n.white(), cutoff, q, kRate);
        double shape = std::sin(kPi * std::min(1.0, t / seconds));
        return f.band * (float)shape;
    });
}

std::vector<Effect> allEffects() {
    std::vector<Effect> e;
    auto add = [&](const char* name, Samples s) { e.push_back({name, std::move(s)}); };

    // Menu and interface.
    add("blip1", arpeggio({1318.5}, 0.05, 0.5, 0.03, 0.7f));
    add("blip2", arpeggio({987.8, 1480.0}, 0.045, 0.25, 0.04, 0.7f));
    add("tik2", metal(2600.0, 0.05, {1.0, 2.3}, 11));
    add("tik3", metal(3500.0, 0.07, {1.0, 1.5, 2.7}, 12));

    // Player guns (one every 8 steps: shorter than 0.13 s).
    add("fire_qm", shot(1500.0, 380.0, 0.11, 0.5, 21, 0.5f));
    add("fire_qm2", shot(900.0, 140.0, 0.13, 0.3, 22, 0.9f));

    // Hits and pops.
    add("hit", [] {
        Phase p;
        Noise n(31);
        LowPass lp;
        return render(0.16, 0.85f, [=](double t) mutable {
            float thump = sine(p.advance(glide(t, 180.0, 55.0, 0.1), kRate)) * decay(t, 0.14);
            float crack = lp.run(n.white(), 3000.0, kRate) * decay(t, 0.05);
            return thump + crack * 0.8f;
        });
    }());
    add("player_hit", [] {
        Phase a, b;
        Noise n(32);
        return render(0.45, 0.9f, [=](double t) mutable {
            double f = glide(t, 330.0, 70.0, 0.4);
            float buzz = square(a.advance(f, kRate)) + square(b.advance(f * 1.06, kRate));
            float grit = n.white() * decay(t, 0.12);
            return drive((buzz * 0.5f + grit) * decay(t, 0.45), 2.5f);
        });
    }());
    add("pop", [] {
        Phase p;
        return render(0.09, 0.85f, [=](double t) mutable {
            return sine(p.advance(glide(t, 280.0, 1100.0, 0.05), kRate)) * hitEnvelope(t, 0.001, 0.08);
        });
    }());
    add("cling", metal(1250.0, 0.4, {1.0, 2.76, 5.40, 8.93}, 41));
    add("cling_long", metal(880.0, 1.0, {1.0, 2.76, 5.40, 8.93, 13.3}, 42));

    // Enemy deaths and impacts.
    add("sucider_short", explosion(0.5, 4000.0, 160.0, 40.0, 51, 0.15f));
    add("sucider_short_light", explosion(0.3, 6000.0, 260.0, 90.0, 52, 0.1f));
    add("sucider_hit", metal(520.0, 0.18, {1.0, 1.71, 2.93}, 53));
    add("sucider_hit_light", metal(900.0, 0.12, {1.0, 1.71, 2.93}, 54));
    add("planners", explosion(0.7, 3000.0, 120.0, 35.0, 55, 0.4f));
    add("rolling_cube", [] {
        Samples boom = explosion(0.6, 3500.0, 140.0, 45.0, 56, 0.2f);
        Phase p;
        Samples tone = render(0.6, 0.5f, [=](double t) mutable {
            return square(p.advance(glide(t, 600.0, 90.0, 0.5), kRate), 0.25) * decay(t, 0.5);
        });
        for (size_t i = 0; i < boom.size(); i++)
            boom[i] = boom[i] * 0.7f + tone[i] * 0.4f;
        return boom;
    }());
    add("snake", [] {
        Phase p;
        Noise n(57);
        return render(0.2, 0.8f, [=](double t) mutable {
            // Coarse steps in pitch sound like a crushed, chip-style hiss.
            double f = std::floor(glide(t, 1400.0, 300.0, 0.2) / 100.0) * 100.0;
            return (square(p.advance(f, kRate), 0.4) * 0.5f + n.white() * 0.5f) * decay(t, 0.2);
        });
    }());
    add("mothership0", explosion(1.0, 2500.0, 90.0, 28.0, 61, 0.3f));
    add("mothership1", explosion(1.0, 3200.0, 110.0, 32.0, 62, 0.45f));
    add("mothership2", explosion(1.0, 4200.0, 140.0, 38.0, 63, 0.6f));

    // Enemy noises.
    add("anathema_1", ringSweep(220.0, 90.0, 37.0, 13.0, 0.6, 0.02));
    add("anathema_2", ringSweep(110.0, 330.0, 23.0, 61.0, 0.6, 0.05));
    add("assault", [] {
        Phase a, b;
        return render(0.4, 0.85f, [=](double t) mutable {
            double f = glide(t, 110.0, 440.0, 0.35);
            return drive((saw(a.advance(f, kRate)) + saw(b.advance(f * 1.01, kRate))) * 0.6f, 2.0f) *
                   hitEnvelope(t, 0.01, 0.4);
        });
    }());
    add("fan", noiseWhoosh(0.6, 400.0, 2400.0, 2.0, 71, 6.0));
    add("hell1", ringSweep(70.0, 55.0, 140.0, 95.0, 0.5, 0.01));
    add("hell2", [] {
        Phase a, lfo;
        return render(0.7, 0.85f, [=](double t) mutable {
            double wob = 1.0 + 0.15 * sine(lfo.advance(9.0, kRate));
            float x = square(a.advance(glide(t, 300.0, 45.0, 0.7) * wob, kRate), 0.3);
            return drive(x, 3.0f) * hitEnvelope(t, 0.005, 0.7);
        });
    }());
    add("krypto", [] {
        Phase carrier, mod;
        return render(0.35, 0.8f, [=](double t) mutable {
            double m = sine(mod.advance(glide(t, 30.0, 90.0, 0.35), kRate)) * 500.0;
            return sine(carrier.advance(glide(t, 600.0, 1500.0, 0.35) + m, kRate)) * hitEnvelope(t, 0.01, 0.35);
        });
    }());
    add("orbit1", [] {
        Phase p, lfo;
        return render(0.45, 0.75f, [=](double t) mutable {
            double f = 520.0 * (1.0 + 0.06 * sine(lfo.advance(14.0, kRate)));
            return triangle(p.advance(f, kRate)) * hitEnvelope(t, 0.02, 0.45);
        });
    }());
    add("orbit2", [] {
        Phase p, lfo;
        return render(0.45, 0.75f, [=](double t) mutable {
            double f = 390.0 * (1.0 + 0.09 * sine(lfo.advance(10.0, kRate)));
            return triangle(p.advance(f, kRate)) * hitEnvelope(t, 0.02, 0.45);
        });
    }());
    add("shots_tele_a", shot(2200.0, 500.0, 0.14, 0.125, 81, 0.2f));
    add("shots_tele_b", metal(1650.0, 0.25, {1.0, 2.0, 3.01}, 82));
    add("teleporter_small", [] {
        Phase a, b;
        return render(0.4, 0.8f, [=](double t) mutable {
            double f = glide(t, 200.0, 1600.0, 0.35);
            return (sine(a.advance(f, kRate)) + sine(b.advance(f * 1.5 + 3.0, kRate)) * 0.6f) *
                   hitEnvelope(t, 0.01, 0.4) * 0.6f;
        });
    }());

    // Played by the level scripts.
    add("bonus", arpeggio({1046.5, 1318.5, 1568.0, 2093.0}, 0.06, 0.5, 0.12, 0.75f));
    add("copter", [] {
        Noise n(91);
        StateVariable f;
        Phase thump;
        return render(1.0, 0.8f, [=](double t) mutable {
            // Thirteen blade passes a second: a chopped low rumble.
            f.run(n.white(), 500.0, 0.8, kRate);
            double blade = std::fmod(t * 13.0, 1.0) / 13.0;
            float body = f.low * 2.0f + sine(thump.advance(75.0, kRate)) * 0.6f;
            return body * decay(blade, 0.05) * (float)std::min(1.0, (1.0 - t) * 8.0);
        });
    }());
    add("danger", [] {
        Phase p;
        return render(1.0, 0.45f, [=](double t) mutable {
            bool high = std::fmod(t, 0.25) < 0.125;
            float level = std::fmod(t, 0.125) < 0.11 ? 1.0f : 0.0f;
            return square(p.advance(high ? 880.0 : 660.0, kRate), 0.5) * level * 0.5f;
        });
    }());
    add("death", [] {
        Samples boom = explosion(1.0, 2000.0, 200.0, 30.0, 92, 0.2f);
        Phase p;
        Samples fall = render(1.0, 0.5f, [=](double t) mutable {
            return square(p.advance(glide(t, 700.0, 60.0, 0.9), kRate), 0.5) * decay(t, 1.0);
        });
        for (size_t i = 0; i < boom.size(); i++)
            boom[i] = boom[i] * 0.6f + fall[i] * 0.5f;
        return boom;
    }());
    add("gong", gong(150.0, 1.0, 93));
    add("gong_final", gong(98.0, 1.0, 94));
    add("powerup_appeared", [] {
        Phase p, lfo;
        return render(0.6, 0.75f, [=](double t) mutable {
            static const double notes[] = {784.0, 1046.5, 1318.5, 1568.0, 2093.0, 2637.0};
            double f = notes[std::min(5, (int)(t / 0.07))];
            float trem = 0.75f + 0.25f * sine(lfo.advance(20.0, kRate));
            return triangle(p.advance(f, kRate)) * trem * hitEnvelope(t, 0.005, 0.6);
        });
    }());
    add("roulement_tambour", [] {
        Noise n(95);
        StateVariable f;
        Phase body;
        return render(1.0, 0.85f, [=](double t) mutable {
            // A snare roll that swells, 24 strokes a second, closed by a last hit.
            double stroke = std::fmod(t, 1.0 / 24.0);
            float swell = (float)(0.25 + 0.75 * std::min(1.0, t / 0.8));
            float s = t < 0.85 ? decay(stroke, 0.03) * swell : decay(t - 0.85, 0.15) * 1.3f;
            f.run(n.white(), 3200.0, 0.9, kRate);
            return (f.band * 0.9f + sine(body.advance(190.0, kRate)) * 0.3f) * s;
        });
    }());
    add("spawn", [] {
        Noise n(96);
        StateVariable f;
        Phase p;
        return render(0.45, 0.8f, [=](double t) mutable {
            f.run(n.white(), glide(t, 300.0, 5000.0, 0.4), 3.0, kRate);
            float rise = (float)std::min(1.0, t / 0.4);
            return (f.band * 0.7f + sine(p.advance(glide(t, 150.0, 900.0, 0.4), kRate)) * 0.4f) * rise * rise *
                   (float)std::min(1.0, (0.45 - t) * 40.0);
        });
    }());
    return e;
}

}  // namespace

std::vector<Effect> makeEffects() { return allEffects(); }

}  // namespace audiogen
