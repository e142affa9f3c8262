// Simulated touches. The random input draws from its own generator, never from
// the game's: it stands for a player, outside the simulation.
#include "levelplay/SimulatedInput.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "core/Device.h"
#include "core/Joysticks.h"

// A finger rests up to this many pixels from its stick's centre, for 10 to 60 steps.
static const int MAX_FINGER_DISTANCE = 160;
static const int MIN_HOLD_STEPS = 10;
static const int MAX_HOLD_STEPS = 60;

static int clamp(int v, int size) { return v < 0 ? 0 : v >= size ? size - 1 : v; }

bool SimulatedInput::parse(const std::string& spec, std::string* error) {
    if (spec == "neutral") {
        mode = NEUTRAL;
        return true;
    }
    if (spec.compare(0, 7, "random:") == 0) {
        char* end = nullptr;
        unsigned long seed = strtoul(spec.c_str() + 7, &end, 10);
        if (spec.size() == 7 || *end != 0) {
            *error = "bad random seed in \"" + spec + "\"";
            return false;
        }
        mode = RANDOM;
        generator.seed((uint32_t)seed);
        return true;
    }
    std::ifstream in(spec);
    if (!in) {
        *error = "cannot read the input file \"" + spec + "\"";
        return false;
    }
    mode = TIMED;
    std::string line;
    for (int number = 1; std::getline(in, line); number++) {
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        Timed t;
        if (!(words >> t.step)) {
            if (line.find_first_not_of(" \t\r") == std::string::npos)
                continue;
        } else if (words >> t.x[0] >> t.y[0] >> t.x[1] >> t.y[1] && t.step >= 0 &&
                   (timed.empty() || t.step >= timed.back().step)) {
            std::string rest;
            if (!(words >> rest)) {
                timed.push_back(t);
                continue;
            }
        }
        *error = spec + ":" + std::to_string(number) + ": expected STEP X0 Y0 X1 Y1 in step order";
        return false;
    }
    return true;
}

void SimulatedInput::touchesForStep(int step, Joysticks* sticks, int x[2], int y[2]) {
    if (mode == RANDOM && step >= nextChange) {
        // Each finger on its own stick, at a random angle and distance.
        const Joysticks::Centre centres[2] = {sticks->lowStickCentre, sticks->highStickCentre};
        for (int i = 0; i < 2; i++) {
            double angle = (double)(generator() % 360) * 3.14159265358979 / 180.0;
            double distance = (double)(generator() % MAX_FINGER_DISTANCE);
            // On the screen: -1 would mean no touch at all.
            heldX[i] = clamp(centres[i].x + (int)(distance * std::sin(angle)), Device::screenWidth);
            heldY[i] = clamp(centres[i].y - (int)(distance * std::cos(angle)), Device::screenHeight);
        }
        nextChange = step + MIN_HOLD_STEPS + (int)(generator() % (MAX_HOLD_STEPS - MIN_HOLD_STEPS + 1));
    }
    if (mode == TIMED) {
        while (nextTimed < timed.size() && timed[nextTimed].step <= step) {
            for (int i = 0; i < 2; i++) {
                heldX[i] = timed[nextTimed].x[i];
                heldY[i] = timed[nextTimed].y[i];
            }
            nextTimed++;
        }
    }
    for (int i = 0; i < 2; i++) {
        x[i] = mode == NEUTRAL ? -1 : heldX[i];
        y[i] = mode == NEUTRAL ? -1 : heldY[i];
    }
}
