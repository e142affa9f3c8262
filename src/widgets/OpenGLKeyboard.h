// The on-screen keyboard with which the player types a name: hexagonal keys in
// four layouts (upper case, lower case, digits and signs, colour codes).
//
// Rows stack along -x and columns run along -y, odd rows shifted half a key.
// A key fires when touch 0 lifts from it; a layout change rebuilds every key
// at once and ends the update, so no deleted key is looked at again.
#pragma once

#include <string>
#include <vector>

#include "core/Coord.h"

class OpenGLKey;
class OpenGLKeyboardListener;

class OpenGLKeyboard {
public:
    enum KEYBOARD_MODE { MODE_UPPER = 1, MODE_LOWER = 2, MODE_SIGNS = 3, MODE_COLORS = 4 };

    OpenGLKeyboard(float x, float y, float scale, float shift, std::string text, int maxLength,
                   OpenGLKeyboardListener* listener);
    ~OpenGLKeyboard();
    OpenGLKeyboard(const OpenGLKeyboard&) = delete;
    OpenGLKeyboard& operator=(const OpenGLKeyboard&) = delete;

    // 1 when "ok" was released with a text, else 0.
    int update();
    void draw();

    void setKeyboardMode(KEYBOARD_MODE mode);
    void addRowOfKeys(int row, int column, std::string keys);
    void addKey(int row, int column, std::string label, bool isCharacter, int width);
    Coord getPositionOfKey(int row, int column);

    const std::string& getText() const { return text; }
    KEYBOARD_MODE getMode() const { return mode; }
    const std::vector<OpenGLKey*>& getKeys() const { return keys; }

private:
    void deleteKeys();

    std::vector<OpenGLKey*> keys;
    float x, y;
    float shift;
    float scale;
    std::string text;
    int maxLength;
    KEYBOARD_MODE mode;
    OpenGLKeyboardListener* listener;
};
