// The keyboard's layouts and what each key does to the text.
#include "widgets/OpenGLKeyboard.h"

#include "widgets/OpenGLKey.h"
#include "widgets/OpenGLKeyboardListener.h"

// The shift key shows a glyph of the font that has no character of its own.
static const char* const shiftLabel = "\xEF";

OpenGLKeyboard::OpenGLKeyboard(float x_, float y_, float s, float shift_, std::string t, int max,
                               OpenGLKeyboardListener* l)
    : x(x_), y(y_), shift(shift_), scale(s), text(t), maxLength(max), mode((KEYBOARD_MODE)0), listener(l) {
    setKeyboardMode(MODE_LOWER);
}

OpenGLKeyboard::~OpenGLKeyboard() { deleteKeys(); }

void OpenGLKeyboard::deleteKeys() {
    for (OpenGLKey* key : keys)
        delete key;
    keys.clear();
}

Coord OpenGLKeyboard::getPositionOfKey(int row, int column) {
    float u = x + shift - 45 * scale * column;
    if ((row + 10) % 2 == 1)
        u += 22.5f * scale;
    float v = y - 37 * scale * row;
    return Coord(u, v, 0.0f);
}

void OpenGLKeyboard::addKey(int row, int column, std::string label, bool isCharacter, int width) {
    // The keyboard's x runs along the widget's y and its rows along the widget's x.
    Coord p = getPositionOfKey(row, column);
    keys.push_back(new OpenGLKey((float)(int)p.y, (float)(int)p.x, scale, label, isCharacter, width));
}

void OpenGLKeyboard::addRowOfKeys(int row, int column, std::string row_keys) {
    for (size_t i = 0; i < row_keys.size(); i++) {
        std::string label(1, row_keys[i]);
        if (row_keys[i] == '^' && i + 1 < row_keys.size())
            label += row_keys[++i];
        addKey(row, column++, label, true, 1);
    }
}

void OpenGLKeyboard::setKeyboardMode(KEYBOARD_MODE newMode) {
    if (newMode == mode)
        return;
    mode = newMode;
    deleteKeys();
    switch (mode) {
    case MODE_UPPER:
        addRowOfKeys(0, 0, "QWERTYUIOP");
        addRowOfKeys(1, 1, "ASDFGHJKL");
        addRowOfKeys(2, 1, "ZXCVBNM");
        addKey(2, 0, shiftLabel, false, 1);
        break;
    case MODE_LOWER:
        addRowOfKeys(0, 0, "qwertyuiop");
        addRowOfKeys(1, 1, "asdfghjkl");
        addRowOfKeys(2, 1, "zxcvbnm");
        addKey(2, 0, shiftLabel, false, 1);
        break;
    case MODE_SIGNS:
        addRowOfKeys(0, 0, "1234567890");
        addRowOfKeys(1, 1, ".~!@$;*+-");
        addRowOfKeys(2, 0, "{}[]()%=_");
        break;
    case MODE_COLORS:
        addRowOfKeys(-1, 4, "^1^2^3^4^5^6");
        addRowOfKeys(0, 0, "^7^8^9^/^*^-^+^?^@^$");
        addRowOfKeys(1, 1, "^;^[^a^b^c^d^e^f^g");
        addRowOfKeys(2, 0, "^h^i^j^k^l^m^n^o^p^q");
        addRowOfKeys(3, 1, "^r^s^t^u^v^w^x^y^z");
        addKey(-1, 1, "letters", false, 3);
        return;
    }
    addKey(3, 1, "#", false, 1);
    addKey(3, 3, "space", true, 5);
    addKey(-1, 7, "ok", false, 3);
    addKey(3, 8, "del", false, 2);
    addKey(-1, 1, "colors", false, 3);
}

// True when the text ends in a colour code ("^" and one character).
static bool endsWithColorCode(const std::string& text) { return text.size() >= 2 && text[text.size() - 2] == '^'; }

int OpenGLKeyboard::update() {
    for (size_t i = 0; i < keys.size(); i++) {
        OpenGLKey* key = keys[i];
        if (!key->update())
            continue;
        const std::string label = key->getLabel();
        if (key->getIsCharacter() && (int)text.size() <= maxLength) {
            if (label.size() == 1) {
                text += label;
            } else if (label == "space") {
                text += " ";
            } else if (label[0] == '^') {
                if (endsWithColorCode(text))
                    text.erase(text.size() - 2);
                text += label.substr(0, 2);
            }
        } else if (label == "del") {
            if (!text.empty())
                text.erase(text.size() - (endsWithColorCode(text) ? 2 : 1));
        } else if (label == "ok") {
            if (!text.empty())
                return 1;
        } else if (label == shiftLabel) {
            if (mode == MODE_LOWER)
                setKeyboardMode(MODE_UPPER);
            else if (mode == MODE_UPPER)
                setKeyboardMode(MODE_LOWER);
            return 0;
        } else if (label == "#") {
            setKeyboardMode(mode == MODE_SIGNS ? MODE_LOWER : MODE_SIGNS);
            return 0;
        } else if (label == "colors" || label == "letters") {
            setKeyboardMode(mode != MODE_COLORS ? MODE_COLORS : MODE_LOWER);
            return 0;
        }
        if (listener)
            listener->textHasChanged(text);
    }
    return 0;
}

void OpenGLKeyboard::draw() {
    for (size_t i = keys.size(); i-- > 0;)
        keys[i]->draw();
}
