// Simulated touches. The random input draws from its own generator, never from
// the game's: it stands for a player, outside the simulation.
#include "levelplay/SimulatedInput.h"

#include <cmath>
#include <cstdlib>
#include <sstream>

#include "core/Device.h"
#include "core/Joysticks.h"
#include "core/MersenneTwister.h"
#include "platform/readFileBytes.h"
#include "script/LuaRuntime.h"

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
    if (spec == "pilot") {
        mode = PILOT;
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
    std::vector<std::string> lines;
    std::string why;
    if (!readFileLines(spec, maxFileBytes, maxNamedLineBytes, &lines, &why)) {
        *error = "cannot read " + spec + ": " + why;
        return false;
    }
    mode = TIMED;
    for (size_t i = 0; i < lines.size(); i++) {
        int number = (int)i + 1;
        std::string line = lines[i].substr(0, lines[i].find('#'));
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
    if (mode == PILOT)
        askPilot(sticks);
    for (int i = 0; i < 2; i++) {
        x[i] = mode == NEUTRAL ? -1 : heldX[i];
        y[i] = mode == NEUTRAL ? -1 : heldY[i];
    }
}

void SimulatedInput::askPilot(Joysticks* sticks) {
    for (int i = 0; i < 2; i++)
        heldX[i] = heldY[i] = -1;
    lua_State* L = pilotState;
    if (!pilotFailure.empty())
        return;
    if (!L) {
        pilotFailure = "the pilot has no level to ask";
        return;
    }
    int top = lua_gettop(L);
    uint64_t draws = MersenneTwister::getDrawCount();
    lua_getglobal(L, "levelTest");
    if (lua_istable(L, -1))
        lua_getfield(L, -1, "pilot");
    double values[4] = {0, 0, 0, 0};
    if (!lua_isfunction(L, -1)) {
        pilotFailure = "the level has no levelTest.pilot";
    } else if (lua_pcall(L, 0, 4, 0) != 0) {
        const char* message = lua_tostring(L, -1);
        pilotFailure = std::string("pilot: ") + (message ? message : "error");
    } else {
        for (int i = 0; i < 4; i++) {
            if (!lua_isnumber(L, -4 + i)) {
                pilotFailure = "pilot: expected four numbers";
                break;
            }
            values[i] = lua_tonumber(L, -4 + i);
        }
    }
    lua_settop(L, top);
    if (pilotFailure.empty() && MersenneTwister::getDrawCount() != draws)
        pilotFailure = "pilot: it drew from the game's generator, which a replay would not repeat";
    if (!pilotFailure.empty())
        return;

    // A full push is where the stick's strength stops growing (50 stick units).
    // The stick turns the finger's offset into the world direction as it is:
    // +x right, +y down the screen.
    Joystick* stick[2] = {sticks->moveStick, sticks->shootStick};
    for (int i = 0; i < 2; i++) {
        double strength = values[2 * i + 1];
        if (!(strength > 0))
            continue;
        if (strength > 100)
            strength = 100;
        const Joysticks::Centre& c = stick[i] == &sticks->highStick ? sticks->highStickCentre : sticks->lowStickCentre;
        double zoom = stick[i]->zoom > 0 ? stick[i]->zoom : Device::joystickSize;
        double distance = strength / 100.0 * 50.0 * zoom;
        double angle = values[2 * i] * 3.14159265358979 / 180.0;
        heldX[i] = clamp(c.x + (int)std::lround(distance * std::cos(angle)), Device::screenWidth);
        heldY[i] = clamp(c.y + (int)std::lround(distance * std::sin(angle)), Device::screenHeight);
    }
}
