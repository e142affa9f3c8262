// The vector font: draws text glyph by glyph, with "^" colour codes.
#pragma once

#include <string>

class DrawString {
public:
    static DrawString* getInstance();
    static void destroyInstance();

    void draw(std::string text, float scale);
    int getStringWidth(std::string text);
    int getCharacterHeight();
};
