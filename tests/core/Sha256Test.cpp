// SHA-256 digests and their hexadecimal form.
#include <gtest/gtest.h>

#include "core/Game.h"

TEST(Sha256, KnownDigests) {
    struct Case {
        std::string text;
        const char* digest;
    } cases[] = {
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

// Messages around the padding boundary (55 bytes fit one block with their length,
// 56 to 64 need a second block). The expected digest runs the message padded by
// hand through whole-block updates, whose compression the published digests
// above pin; the digest must not depend on how the input is split either.
TEST(Sha256, PaddingAroundTheBlockBoundary) {
    Sha256& sha = Game::sha256;
    for (unsigned length : {0u, 1u, 55u, 56u, 57u, 63u, 64u, 65u, 119u, 120u, 128u}) {
        std::string message;
        for (unsigned i = 0; i < length; i++)
            message += (char)('a' + i % 26);

        std::string padded = message + '\x80';
        while (padded.size() % 64 != 56)
            padded += '\0';
        uint64_t bits = (uint64_t)length * 8;
        for (int i = 7; i >= 0; i--)
            padded += (char)(bits >> (8 * i));
        sha256_ctx ctx;
        sha.sha256_init(&ctx);
        sha.sha256_update(&ctx, padded.data(), (unsigned)padded.size());
        unsigned char words[32];
        sha.sha256_digest(&ctx, words);
        std::string expected = charToHex((const char*)words, 32);
        EXPECT_EQ(sha.calcSha256(message), expected) << length;

        sha.sha256_init(&ctx);
        for (char c : message)
            sha.sha256_update(&ctx, &c, 1);
        sha.sha256_final(&ctx);
        sha.sha256_digest(&ctx, words);
        EXPECT_EQ(charToHex((const char*)words, 32), expected) << length;
    }
}
