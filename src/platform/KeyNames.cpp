// The one table from key names to key bits and the pause.
#include "platform/KeyNames.h"

void (*keyBitChanged)(int bit, bool down) = nullptr;
void (*keyboardFound)() = nullptr;

namespace {

struct KeyName {
    const char* name;
    int bit;
    bool pauses;
};

// Names as SDL_GetKeyName gives them for the keys the game reads.
const KeyName keyNames[] = {
    {"Escape", KEY_BIT_BACK, false},
    {"Up", KEY_BIT_UP, false},
    {"W", KEY_BIT_UP, false},
    {"Down", KEY_BIT_DOWN, false},
    {"S", KEY_BIT_DOWN, false},
    {"Right", KEY_BIT_RIGHT, false},
    {"D", KEY_BIT_RIGHT, false},
    {"Left", KEY_BIT_LEFT, false},
    {"A", KEY_BIT_LEFT, false},
    {"Return", KEY_BIT_PRESS, false},
    {"Keypad Enter", KEY_BIT_PRESS, false},
    {"Space", KEY_BIT_PRESS, false},
    {"J", KEY_BIT_SHOOT_LEFT, false},
    {"I", KEY_BIT_SHOOT_UP, false},
    {"K", KEY_BIT_SHOOT_DOWN, false},
    {"L", KEY_BIT_SHOOT_RIGHT, false},
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
