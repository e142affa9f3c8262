// SHA-256 digests and their hexadecimal form.
#include <gtest/gtest.h>

#include "core/Game.h"

TEST(Sha256, KnownDigests) {
    struct Case { std::string text; const char* digest; } cases[] = {
        {"", "E3B0C44298FC1C149AFBF4C8996FB92427AE41E4649B934CA495991B7852B855"},
        {"abc", "BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248D6A61D20638B8E5C026930C3E6039A33CE45964FF2167F6ECEDD419DB06C1"},
    };
    for (auto& c : cases)
        EXPECT_EQ(Game::encode(c.text), c.digest) << c.text;
    EXPECT_TRUE(Game::sha256.selfTest());
    EXPECT_EQ(charToHex("\x00\x0a\xff", 3), "000AFF");
}
