// The one table from key names to key bits and the pause.
#include "platform/KeyNames.h"

#include "core/KeyPress.h"

namespace {

struct KeyName {
    const char* name;
    int bit;
    bool pauses;
};

// Names as SDL_GetKeyName gives them for the keys the game reads.
const KeyName keyNames[] = {
    {"Escape", KeyPress::BIT_KEY_BACK, false},
    {"Up", KeyPress::BIT_KEY_UP, false},
    {"W", KeyPress::BIT_KEY_UP, false},
    {"Down", KeyPress::BIT_KEY_DOWN, false},
    {"S", KeyPress::BIT_KEY_DOWN, false},
    {"Right", KeyPress::BIT_KEY_RIGHT, false},
    {"D", KeyPress::BIT_KEY_RIGHT, false},
    {"Left", KeyPress::BIT_KEY_LEFT, false},
    {"A", KeyPress::BIT_KEY_LEFT, false},
    {"Return", KeyPress::BIT_KEY_PRESS, false},
    {"Keypad Enter", KeyPress::BIT_KEY_PRESS, false},
    {"Space", KeyPress::BIT_KEY_PRESS, false},
    {"J", KeyPress::BIT_KEY_SHOOT_LEFT, false},
    {"I", KeyPress::BIT_KEY_SHOOT_UP, false},
    {"K", KeyPress::BIT_KEY_SHOOT_DOWN, false},
    {"L", KeyPress::BIT_KEY_SHOOT_RIGHT, false},
    {"P", 0, true},
    {"Pause", 0, true},
};

}  // namespace

bool keyActionForName(const std::string& name, KeyAction* action) {
    for (const KeyName& k : keyNames)
        if (name == k.name) {
            action->bit = k.bit;
            action->pauses = k.pauses;
            return true;
        }
    return false;
}
