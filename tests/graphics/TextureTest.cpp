// The glow texture and the texture cache.
#include <gtest/gtest.h>

#include "graphics/Texture.h"
#include "support/GraphicsTestSupport.h"

TEST(Texture, SameNameIsCachedOtherNamesGetTheirOwnTexture) {
    REQUIRE_GL();
    Texture* first = TextureHandler::loadTexture("explode_small.png");
    Texture* again = TextureHandler::loadTexture("explode_small.png");
    Texture* other = TextureHandler::loadTexture("another.png");
    EXPECT_EQ(first, again);
    EXPECT_EQ(first->getTextureName(), again->getTextureName());
    EXPECT_NE(first, other);
    EXPECT_NE(first->getTextureName(), other->getTextureName());
    EXPECT_EQ(first->getWidth(), 128);
    EXPECT_EQ(first->getHeight(), 128);
}

TEST(Texture, GlowIsWhiteInTheMiddleAndFadesToNothingAtTheCorners) {
    const unsigned char* g = Texture::explosionTexture();
    auto at = [g](int x, int y) { return (int)g[y * 128 + x]; };
    EXPECT_EQ(at(64, 64), 255);
    EXPECT_EQ(at(64 + 5, 64), 255);
    EXPECT_NEAR(at(64 + 32, 64), 110, 20);
    EXPECT_NEAR(at(64, 64 - 32), 110, 20);
    EXPECT_LT(at(64 + 58, 64), 10);
    EXPECT_EQ(at(0, 0), 0);
    EXPECT_EQ(at(127, 127), 0);
    // Falls off outward along a ray.
    for (int r = 1; r < 63; r++)
        EXPECT_LE(at(64 + r, 64), at(64 + r - 1, 64)) << r;
}

TEST(Texture, UploadedImageIsOpaqueGreyAndDrawsThroughActivate) {
    REQUIRE_GL();
    Texture* t = TextureHandler::loadTexture("explode_small.png");
    // Copy the texture to the screen unblended, 1 texel per pixel.
    glLoadIdentity();
    glDisable(GL_BLEND);
    glBindTexture(GL_TEXTURE_2D, t->getTextureName());
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    const GLfloat quad[] = {0, 0, 128, 0, 0, 128, 128, 128};
    const GLfloat uv[] = {0, 0, 1, 0, 0, 1, 1, 1};
    t->activate();
    glVertexPointer(2, GL_FLOAT, 0, quad);
    glTexCoordPointer(2, GL_FLOAT, 0, uv);
    glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
    t->deactivate();
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));

    graphicstest::Pixels p = graphicstest::readPixels();
    const unsigned char* grey = Texture::explosionTexture();
    int mismatches = 0;
    for (int y = 0; y < 128; y++) {
        for (int x = 0; x < 128; x++) {
            const unsigned char* px = p.at(x, y);
            if (px[3] != 255 || px[0] != grey[y * 128 + x] || px[1] != px[0] || px[2] != px[0])
                mismatches++;
        }
    }
    EXPECT_EQ(mismatches, 0);
}
