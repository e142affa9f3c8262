// The desktop's key names and what each key does in the game: a key bit, the
// pause (the navigator's swipe down), or both. The desktop back end and the
// headless input script's "key" lines read the same table.
#pragma once

#include <string>

// The game's key bits, one per key; core's key state (KeyPress) names them.
enum KeyBit {
    KEY_BIT_BACK = 0x1,
    KEY_BIT_UP = 0x2,
    KEY_BIT_DOWN = 0x4,
    KEY_BIT_RIGHT = 0x8,
    KEY_BIT_LEFT = 0x10,
    KEY_BIT_PRESS = 0x20,
    KEY_BIT_SHOOT_LEFT = 0x40,
    KEY_BIT_SHOOT_UP = 0x80,
    KEY_BIT_SHOOT_DOWN = 0x100,
    KEY_BIT_SHOOT_RIGHT = 0x200,
    KEY_BIT_GAME_BACK = 0x400,
};

struct KeyAction {
    int bit = 0;          // a KeyBit, or 0
    bool pauses = false;  // a press sends the navigator's swipe down
};

// The action of a key named as SDL names it ("Escape", "Return", "Up", "P",
// "Keypad Enter", ...); false for a key the game does not use.
bool keyActionForName(const std::string& name, KeyAction* action);

// Where the back ends deliver keys: a key bit going down or up, and the news
// that a keyboard is there. The game sets both before the platform starts;
// while unset, keys go nowhere.
extern void (*keyBitChanged)(int bit, bool down);
extern void (*keyboardFound)();
