// The vector font: metrics, colour codes and baked text, checked in pixels.
#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "graphics/DrawString.h"
#include "graphics/OptimizedStringModel.h"
#include "graphics/VectorModel.h"
#include "support/GraphicsTestSupport.h"

namespace {

using RGB = std::tuple<int, int, int>;

// The colour most lit pixels of a column range have.
RGB dominantColor(const graphicstest::Pixels& p, int x0, int x1, int y0, int y1) {
    std::map<RGB, int> counts;
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++) {
            const unsigned char* px = p.at(x, y);
            if (px[0] || px[1] || px[2])
                counts[RGB(px[0], px[1], px[2])]++;
        }
    RGB best(0, 0, 0);
    int bestCount = 0;
    for (auto& c : counts)
        if (c.second > bestCount) {
            best = c.first;
            bestCount = c.second;
        }
    return best;
}

// Leftmost and rightmost lit columns, -1 when nothing is lit.
std::pair<int, int> litColumns(const graphicstest::Pixels& p) {
    int left = -1, right = -1;
    for (int x = 0; x < p.width; x++)
        for (int y = 0; y < p.height; y++) {
            const unsigned char* px = p.at(x, y);
            if (px[0] || px[1] || px[2]) {
                if (left < 0)
                    left = x;
                right = x;
                break;
            }
        }
    return {left, right};
}

void currentColor(float out[4]) { glGetFloatv(GL_CURRENT_COLOR, out); }

}  // namespace

TEST(DrawString, FontMetrics) {
    REQUIRE_GL();
    DrawString* ds = DrawString::getInstance();
    ASSERT_EQ(ds->getFont()->getNumberOfFrames(), 94);
    EXPECT_EQ(ds->getCharacterHeight(), 25);
    EXPECT_EQ(ds->getStringWidth(""), -4);
    EXPECT_EQ(ds->getStringWidth("A"), 17);
    EXPECT_EQ(ds->getStringWidth("i") + 4, 5);
    EXPECT_EQ(ds->getStringWidth(" ") + 4, 15);
    EXPECT_EQ(ds->getStringWidth("\x01") + 4, 22);  // no glyph: the box
    EXPECT_EQ(ds->getStringWidth("\x08") + 4, ds->getAdvance(85));
    for (char d = '0'; d <= '9'; d++)
        EXPECT_EQ(ds->getStringWidth(std::string(1, d)) + 4, 20) << d;
    EXPECT_EQ(ds->getStringWidth("0123456789"), 200 - 4);
    // Every glyph starts at x = 0 and no frame is beyond the table.
    EXPECT_EQ(ds->getAdvance(94), 5);
}

TEST(DrawString, CharacterTableMapsEveryPrintableCharacter) {
    REQUIRE_GL();
    DrawString* ds = DrawString::getInstance();
    const std::string mapped =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz 0123456789.,!:\"/-+()@?'$;_[]{}#*=~<>|%";
    for (char c : mapped)
        EXPECT_NE(ds->getGlyphIndex((unsigned char)c), 0) << c;
    EXPECT_EQ(ds->getGlyphIndex('A'), 1);
    EXPECT_EQ(ds->getGlyphIndex('a'), 27);
    EXPECT_EQ(ds->getGlyphIndex(' '), 53);
    EXPECT_EQ(ds->getGlyphIndex('0'), 54);
    EXPECT_EQ(ds->getGlyphIndex('.'), 64);
    EXPECT_EQ(ds->getGlyphIndex('#'), 84);
    EXPECT_EQ(ds->getGlyphIndex(8), 85);
    EXPECT_EQ(ds->getGlyphIndex('*'), 86);
    EXPECT_EQ(ds->getGlyphIndex('%'), 92);
    EXPECT_EQ(ds->getGlyphIndex(239), 93);
    EXPECT_EQ(ds->getGlyphIndex('^'), 0);
    EXPECT_EQ(ds->getGlyphIndex('`'), 0);
    EXPECT_EQ(ds->getGlyphIndex(200), 0);
}

TEST(DrawString, ColourCodesAddNothingToTheWidth) {
    REQUIRE_GL();
    DrawString* ds = DrawString::getInstance();
    const int ab = ds->getStringWidth("AB");
    EXPECT_EQ(ds->getStringWidth("^2AB"), ab);
    EXPECT_EQ(ds->getStringWidth("A^2B"), ab);
    EXPECT_EQ(ds->getStringWidth("^1^2AB"), ab);
    // A code in the last two places is not a code: the "^" is dropped and the
    // code character is a glyph, as drawn.
    EXPECT_EQ(ds->getStringWidth("AB^5"), ds->getStringWidth("AB5"));
    EXPECT_EQ(ds->getStringWidth("AB^"), ab);
}

TEST(DrawString, MeasuredWidthMatchesTheDrawnText) {
    REQUIRE_GL();
    DrawString* ds = DrawString::getInstance();
    const char* texts[] = {"AB", "^1^2AB", "AB^5", "Score: 1200", "^xWi^7de^", "H"};
    for (const char* text : texts) {
        graphicstest::resetGlState();
        glTranslatef(100.0f, 300.0f, 0.0f);
        ds->draw(text, 1.0f);
        auto columns = litColumns(graphicstest::readPixels());
        ASSERT_EQ(columns.first, 100) << text;
        // The last glyph's right edge lies one unit inside the measured width.
        EXPECT_NEAR(columns.second - 100, ds->getStringWidth(text) - 1, 1) << text;
    }
}

TEST(DrawString, ColourCodesColourTheGlyphsThatFollow) {
    REQUIRE_GL();
    DrawString* ds = DrawString::getInstance();
    glTranslatef(100.0f, 300.0f, 0.0f);
    glScalef(2.0f, 2.0f, 1.0f);
    ds->draw("^1A^2B", 1.0f);
    graphicstest::Pixels p = graphicstest::readPixels();
    // A covers x 100 to 132, B starts at 100 + 2 * 21.
    EXPECT_EQ(dominantColor(p, 95, 135, 250, 310), RGB(218, 1, 32));
    EXPECT_EQ(dominantColor(p, 140, 180, 250, 310), RGB(0, 185, 6));
    float c[4];
    currentColor(c);  // the last code stays the current colour
    EXPECT_FLOAT_EQ(c[1], 185 / 255.0f);

    const struct {
        const char* text;
        RGB color;
    } cases[] = {
        {"^7Shield:^r 9", RGB(243, 0, 33)},  // last glyph red
        {"^Z9", RGB(255, 255, 255)},         // a code without entry selects white
        {"^u9", RGB(255, 191, 0)},          {"^[9", RGB(252, 236, 63)}, {"^;9", RGB(221, 221, 221)},
    };
    for (auto& k : cases) {
        graphicstest::resetGlState();
        glColor4f(0.0f, 0.0f, 1.0f, 1.0f);
        glTranslatef(100.0f, 300.0f, 0.0f);
        ds->draw(k.text, 1.0f);
        int width = ds->getStringWidth(k.text);
        EXPECT_EQ(dominantColor(graphicstest::readPixels(), 100 + width - 16, 101 + width, 270, 310), k.color)
            << k.text;
    }
}

TEST(DrawString, TrailingCodeIsAGlyphForDrawAndAColourForDrawWithAlpha) {
    REQUIRE_GL();
    DrawString* ds = DrawString::getInstance();
    glColor4f(0.0f, 0.0f, 1.0f, 1.0f);
    glTranslatef(100.0f, 300.0f, 0.0f);
    ds->draw("AB^5", 1.0f);
    int drawn = graphicstest::readPixels().litCount();
    float c[4];
    currentColor(c);
    EXPECT_FLOAT_EQ(c[2], 1.0f);  // no code was applied

    graphicstest::resetGlState();
    glTranslatef(100.0f, 300.0f, 0.0f);
    ds->draw("AB5", 1.0f);
    EXPECT_EQ(graphicstest::readPixels().litCount(), drawn);

    graphicstest::resetGlState();
    glTranslatef(100.0f, 300.0f, 0.0f);
    ds->drawWithAlpha("AB^5", 0.5f, 1.0f);
    currentColor(c);
    EXPECT_FLOAT_EQ(c[0], 35 / 255.0f);
    EXPECT_FLOAT_EQ(c[3], 0.5f);
    graphicstest::resetGlState();
    glTranslatef(100.0f, 300.0f, 0.0f);
    ds->draw("AB", 1.0f);
    int ab = graphicstest::readPixels().litCount();
    graphicstest::resetGlState();
    glTranslatef(100.0f, 300.0f, 0.0f);
    ds->drawWithAlpha("AB^5", 1.0f, 1.0f);
    EXPECT_EQ(graphicstest::readPixels().litCount(), ab);
}

TEST(OptimizedStringModel, BakedTextDrawsPixelForPixelLikeTheFont) {
    REQUIRE_GL();
    DrawString* ds = DrawString::getInstance();
    // Every glyph drawn as lines ("." and ":" are dots in the font, short
    // lines once baked), in several colours.
    const std::string texts[] = {
        "^2ABCDEFGHIJKLM^rNOPQRSTUVWXYZ",
        "^uabcdefghijklm^xnopqrstuvwxyz",
        "^70123456789 ,!\"/-+()@?'$;_[]{}#\x08*=~<>|%\xef\x01",
    };
    for (const std::string& text : texts) {
        graphicstest::resetGlState();
        glTranslatef(20.0f, 300.0f, 0.0f);
        ds->draw(text, 1.0f);
        graphicstest::Pixels direct = graphicstest::readPixels();

        graphicstest::resetGlState();
        glTranslatef(20.0f, 300.0f, 0.0f);
        OptimizedStringModel baked(text);
        baked.draw();
        graphicstest::Pixels fromModel = graphicstest::readPixels();
        EXPECT_GT(direct.litCount(), 500) << text;
        EXPECT_TRUE(direct.rgba == fromModel.rgba) << text;
    }
}

TEST(OptimizedStringModel, EmptyAndCodeOnlyTextsBakeToTheSpaceAndRebakeOnlyOnChange) {
    REQUIRE_GL();
    OptimizedStringModel empty("");
    EXPECT_EQ(empty.getWidth(), 0);
    ASSERT_EQ(empty.getFrame()->getNumberOfColors(), 1);
    int count = 0;
    empty.getFrame()->getVectorFrame(0)->getVertexes(&count);
    EXPECT_EQ(count, 2);

    OptimizedStringModel codes("^1^2^");
    EXPECT_EQ(codes.getWidth(), 0);
    EXPECT_EQ(codes.getFrame()->getNumberOfColors(), 1);

    OptimizedStringModel text("^1A^2B");
    EXPECT_EQ(text.getFrame()->getNumberOfColors(), 2);
    // The extent of the line end points, not the measured text width.
    EXPECT_EQ(text.getWidth(), 21 + 16);
    MultiColorVectorFrame* before = text.getFrame();
    text.setString("^1A^2B");
    EXPECT_EQ(text.getFrame(), before);
    text.setString("");
    EXPECT_EQ(text.getWidth(), 0);
}

TEST(OptimizedStringModel, DrawLeavesTheFirstGroupsColourCurrent) {
    REQUIRE_GL();
    OptimizedStringModel text("^1A^2B");
    text.draw();
    float c[4];
    currentColor(c);
    Color first = text.getFrame()->getVectorFrame(0)->getColor();
    EXPECT_FLOAT_EQ(c[0], first.r);
    EXPECT_FLOAT_EQ(c[1], first.g);
    text.drawWithAlpha(0.25f);
    currentColor(c);
    EXPECT_FLOAT_EQ(c[3], 0.25f);
}

// The font that the running game cached draws in the tests' context as well:
// there is one GL context per test program, whatever started it.
TEST(DrawString, FontStillDrawsAfterTheHeadlessGameHasRun) {
    startHeadlessLoop();
    for (int i = 0; i < 3; i++)
        mainLoopFrame();
    REQUIRE_GL();
    glTranslatef(100.0f, 300.0f, 0.0f);
    DrawString::getInstance()->draw("HELLO", 1.0f);
    EXPECT_GT(graphicstest::readPixels().litCount(), 200);
}
