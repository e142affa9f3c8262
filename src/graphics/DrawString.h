// The vector font: draws text glyph by glyph, with "^" colour codes.
//
// Inside a text, "^" followed by a code character switches the colour of the
// glyphs after it ("^1" red, "^7" white, ...); the code needs at least one more
// character after it, otherwise the "^" is dropped and the code character is
// drawn as a glyph.
#pragma once

#include <string>

class VectorModel;

class DrawString {
public:
    static DrawString* getInstance();
    // The renderer lives until the process ends; kept for callers that ask.
    static void destroyInstance() {}

    // Draws at the current origin: the first glyph's left edge at x = 0 and
    // its top at y = 0, later glyphs to the right (font y is flipped upward).
    void draw(std::string text, float scale);
    // The same with the colour codes' colours given this alpha. Here a "^"
    // followed by the end or by another "^" is drawn as a glyph, and a code in
    // the last place sets its colour.
    void drawWithAlpha(std::string text, float alpha, float scale);
    // Unscaled width as draw lays the text out: the sum of the advances less 4.
    int getStringWidth(std::string text);
    int getCharacterHeight() const { return characterHeight; }
    void drawCharacterWithoutColor(unsigned char c);
    // Sets the colour of a code character from a packed 0xRRGGBB value.
    void mapColorToChar(unsigned char c, unsigned int rgb);

    // Tables shared with the baked text models.
    VectorModel* getFont() { return font; }
    int getGlyphIndex(unsigned char c) const { return glyphIndex[c]; }
    int getAdvance(int glyph) const { return glyph >= 0 && glyph < 256 ? width[glyph] : 5; }
    // The code's colour as 0..255 channels.
    const unsigned char* getCodeColor(unsigned char c) const { return rgb[c]; }

private:
    DrawString();
    void setCodeColor(unsigned char code);

    int width[256];
    int characterHeight = 0;
    int glyphIndex[256];
    VectorModel* font = nullptr;
    unsigned char rgb[256][3];
};
