// The desktop's key names and what each key does in the game: a key bit, the
// pause (the navigator's swipe down), or both. The desktop back end and the
// headless input script's "key" lines read the same table.
#pragma once

#include <string>

struct KeyAction {
    int bit = 0;          // a KeyPress::BIT_KEY, or 0
    bool pauses = false;  // a press sends the navigator's swipe down
};

// The action of a key named as SDL names it ("Escape", "Return", "Up", "P",
// "Keypad Enter", ...); false for a key the game does not use.
bool keyActionForName(const std::string& name, KeyAction* action);
