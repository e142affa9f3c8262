// The vector font: character-to-glyph table, advances and the colour-code table.
#include "graphics/DrawString.h"

#include <GLES/gl.h>

#include "graphics/VectorModel.h"

namespace {

// Glyph frames of the font script, in frame order after the letters, space and digits.
const char kPunctuation[] = ".,!:\"/-+()@?'$;_[]{}#";
const int kFirstPunctuationFrame = 64;
const int kCaretFrame = 85;  // shown for character 8, since "^" is the colour escape
const char kSymbols[] = "*=~<>|%";
const int kFirstSymbolFrame = 86;
const int kArrowFrame = 93;  // character 239

struct CodeColor {
    char code;
    unsigned char r, g, b;
};

const CodeColor kCodeColors[] = {
    {'0', 0, 0, 0},       {'1', 218, 1, 32},    {'2', 0, 185, 6},     {'3', 232, 255, 25},  {'4', 23, 11, 219},
    {'5', 35, 194, 198},  {'6', 226, 1, 219},   {'7', 255, 255, 255}, {'8', 202, 124, 39},  {'9', 117, 117, 117},
    {'$', 255, 0, 190},   {'*', 1, 89, 101},    {'+', 66, 132, 211},  {'-', 4, 52, 108},    {'/', 170, 170, 255},
    {';', 221, 221, 221}, {'?', 142, 109, 215}, {'@', 67, 18, 174},   {'A', 0, 192, 255},   {'[', 252, 236, 63},
    {'a', 235, 159, 83},  {'b', 16, 111, 89},   {'c', 90, 19, 79},    {'d', 3, 90, 255},    {'e', 104, 30, 167},
    {'f', 80, 151, 193},  {'g', 190, 218, 196}, {'h', 2, 77, 44},     {'i', 125, 8, 27},    {'j', 144, 36, 62},
    {'k', 116, 51, 19},   {'l', 167, 144, 94},  {'m', 85, 92, 38},    {'n', 174, 172, 151}, {'o', 192, 191, 127},
    {'p', 216, 97, 201},  {'q', 206, 0, 113},   {'r', 243, 0, 33},    {'s', 249, 62, 88},   {'t', 255, 220, 115},
    {'u', 255, 191, 0},   {'v', 188, 244, 110}, {'w', 171, 240, 0},   {'x', 65, 255, 0},    {'y', 97, 216, 159},
    {'z', 95, 192, 206},
};

DrawString* theInstance = nullptr;

}  // namespace

DrawString* DrawString::getInstance() {
    if (!theInstance)
        theInstance = new DrawString();
    return theInstance;
}

DrawString::DrawString() {
    font = VectorModel::loadFromLuaScript("/data/graphics/fontGraphic.lua");
    for (int i = 0; i < 256; i++) {
        width[i] = font->getWidth(i) + 5;
        if (font->getHeight(i) > characterHeight)
            characterHeight = font->getHeight(i);
    }

    for (int c = 0; c < 256; c++)
        glyphIndex[c] = 0;
    for (int c = 'A'; c <= 'Z'; c++)
        glyphIndex[c] = 1 + c - 'A';
    for (int c = 'a'; c <= 'z'; c++)
        glyphIndex[c] = 27 + c - 'a';
    glyphIndex[(unsigned char)' '] = 53;
    for (int c = '0'; c <= '9'; c++)
        glyphIndex[c] = 54 + c - '0';
    for (int k = 0; kPunctuation[k]; k++)
        glyphIndex[(unsigned char)kPunctuation[k]] = kFirstPunctuationFrame + k;
    glyphIndex[8] = kCaretFrame;
    for (int k = 0; kSymbols[k]; k++)
        glyphIndex[(unsigned char)kSymbols[k]] = kFirstSymbolFrame + k;
    glyphIndex[239] = kArrowFrame;

    for (int c = 0; c < 256; c++)
        rgb[c][0] = rgb[c][1] = rgb[c][2] = 255;
    for (const CodeColor& e : kCodeColors) {
        unsigned char c = (unsigned char)e.code;
        rgb[c][0] = e.r;
        rgb[c][1] = e.g;
        rgb[c][2] = e.b;
    }
}

void DrawString::setCodeColor(unsigned char code) {
    glColor4f(rgb[code][0] / 255.0f, rgb[code][1] / 255.0f, rgb[code][2] / 255.0f, 1.0f);
}

void DrawString::draw(std::string text, float scale) {
    glPushMatrix();
    glScalef(scale, -scale, scale);
    size_t i = 0;
    while (i < text.size()) {
        unsigned char c = (unsigned char)text[i];
        if (c == '^') {
            if (i + 2 < text.size()) {
                setCodeColor((unsigned char)text[i + 1]);
                i += 2;
            } else {
                i += 1;
            }
            continue;
        }
        int glyph = glyphIndex[c];
        font->drawWithoutColor(glyph);
        glTranslatef((float)width[glyph], 0.0f, 0.0f);
        i += 1;
    }
    glPopMatrix();
}

void DrawString::drawWithAlpha(std::string text, float alpha, float scale) {
    glPushMatrix();
    glScalef(scale, -scale, scale);
    size_t i = 0;
    while (i < text.size()) {
        unsigned char c = (unsigned char)text[i];
        if (c == '^' && i + 1 < text.size() && text[i + 1] != '^') {
            unsigned char code = (unsigned char)text[i + 1];
            glColor4f(rgb[code][0] / 255.0f, rgb[code][1] / 255.0f, rgb[code][2] / 255.0f, alpha);
            i += 2;
            continue;
        }
        int glyph = glyphIndex[c];
        font->drawWithoutColor(glyph);
        glTranslatef((float)width[glyph], 0.0f, 0.0f);
        i += 1;
    }
    glPopMatrix();
}

int DrawString::getStringWidth(std::string text) {
    // Walks the text exactly as draw does, so a measured text and a drawn one
    // always agree, also for codes in a row and a code in the last places.
    int sum = 0;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '^') {
            i += (i + 2 < text.size()) ? 2 : 1;
            continue;
        }
        sum += width[glyphIndex[(unsigned char)text[i]]];
        i += 1;
    }
    return sum - 4;
}

void DrawString::drawCharacterWithoutColor(unsigned char c) { font->drawWithoutColor(glyphIndex[c]); }

void DrawString::mapColorToChar(unsigned char c, unsigned int packed) {
    rgb[c][0] = (unsigned char)((packed >> 16) & 255);
    rgb[c][1] = (unsigned char)((packed >> 8) & 255);
    rgb[c][2] = (unsigned char)(packed & 255);
}
