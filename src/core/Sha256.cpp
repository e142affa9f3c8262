// SHA-256 (FIPS 180-2) over a context of hash words, block count and buffer.
#include "core/Sha256.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "core/myfopen.h"

static const uint32_t K[64] = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

static inline uint32_t ror(uint32_t x, int n) { return (x >> n) | (x << (32 - n)); }

void Sha256::sha256_init(sha256_ctx* ctx) {
    static const uint32_t initial[8] = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                                        0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
    memcpy(ctx->h, initial, sizeof initial);
    ctx->blocks[0] = ctx->blocks[1] = 0;
    memset(ctx->buffer, 0, sizeof ctx->buffer);
    ctx->bufferedBytes = 0;
}

void Sha256::sha256_transform(sha256_ctx* ctx, const uint32_t* words) {
    uint32_t w[64];
    for (int i = 0; i < 16; i++)
        w[i] = words[i];
    for (int i = 16; i < 64; i++) {
        uint32_t s0 = ror(w[i - 15], 7) ^ ror(w[i - 15], 18) ^ (w[i - 15] >> 3);
        uint32_t s1 = ror(w[i - 2], 17) ^ ror(w[i - 2], 19) ^ (w[i - 2] >> 10);
        w[i] = w[i - 16] + s0 + w[i - 7] + s1;
    }
    uint32_t a = ctx->h[0], b = ctx->h[1], c = ctx->h[2], d = ctx->h[3];
    uint32_t e = ctx->h[4], f = ctx->h[5], g = ctx->h[6], h = ctx->h[7];
    for (int i = 0; i < 64; i++) {
        uint32_t t1 = h + (ror(e, 6) ^ ror(e, 11) ^ ror(e, 25)) + ((e & f) ^ (~e & g)) + K[i] + w[i];
        uint32_t t2 = (ror(a, 2) ^ ror(a, 13) ^ ror(a, 22)) + ((a & b) ^ (a & c) ^ (b & c));
        h = g;
        g = f;
        f = e;
        e = d + t1;
        d = c;
        c = b;
        b = a;
        a = t1 + t2;
    }
    ctx->h[0] += a;
    ctx->h[1] += b;
    ctx->h[2] += c;
    ctx->h[3] += d;
    ctx->h[4] += e;
    ctx->h[5] += f;
    ctx->h[6] += g;
    ctx->h[7] += h;
}

void Sha256::sha256_block(sha256_ctx* ctx, const unsigned char* block) {
    if (++ctx->blocks[0] == 0)
        ctx->blocks[1]++;
    uint32_t words[16];
    for (int i = 0; i < 16; i++)
        words[i] = (uint32_t)block[4 * i] << 24 | (uint32_t)block[4 * i + 1] << 16 | (uint32_t)block[4 * i + 2] << 8 |
                   (uint32_t)block[4 * i + 3];
    sha256_transform(ctx, words);
}

void Sha256::sha256_update(sha256_ctx* ctx, const void* bytes, unsigned n) {
    const unsigned char* in = (const unsigned char*)bytes;
    unsigned char* buf = (unsigned char*)ctx->buffer;
    while (n > 0) {
        unsigned take = 64 - ctx->bufferedBytes;
        if (take > n)
            take = n;
        memcpy(buf + ctx->bufferedBytes, in, take);
        ctx->bufferedBytes += take;
        in += take;
        n -= take;
        if (ctx->bufferedBytes == 64) {
            sha256_block(ctx, buf);
            ctx->bufferedBytes = 0;
        }
    }
}

void Sha256::sha256_final(sha256_ctx* ctx) {
    unsigned char* buf = (unsigned char*)ctx->buffer;
    uint64_t bits = ((uint64_t)ctx->blocks[1] << 32 | ctx->blocks[0]) * 512 + (uint64_t)ctx->bufferedBytes * 8;
    unsigned n = ctx->bufferedBytes;
    buf[n++] = 0x80;
    if (n > 56) {
        memset(buf + n, 0, 64 - n);
        sha256_block(ctx, buf);
        n = 0;
    }
    memset(buf + n, 0, 56 - n);
    for (int i = 0; i < 8; i++)
        buf[56 + i] = (unsigned char)(bits >> (56 - 8 * i));
    sha256_block(ctx, buf);
    ctx->bufferedBytes = 0;
}

void Sha256::sha256_digest(sha256_ctx* ctx, unsigned char* out) {
    if (!out)
        return;
    for (int i = 0; i < 8; i++) {
        out[4 * i] = (unsigned char)(ctx->h[i] >> 24);
        out[4 * i + 1] = (unsigned char)(ctx->h[i] >> 16);
        out[4 * i + 2] = (unsigned char)(ctx->h[i] >> 8);
        out[4 * i + 3] = (unsigned char)ctx->h[i];
    }
}

std::string Sha256::calcSha256(const std::string& text) {
    sha256_ctx ctx;
    unsigned char digest[32];
    sha256_init(&ctx);
    sha256_update(&ctx, text.data(), (unsigned)text.size());
    sha256_final(&ctx);
    sha256_digest(&ctx, digest);
    return charToHex((const char*)digest, 32);
}

// Digest of a resource file's bytes followed by its path; "" when it cannot be read.
std::string Sha256::calcSha256(const std::string& path, int*) {
    struct stat st;
    if (myStatForRessource(path.c_str(), &st) != 0)
        return "";
    FILE* f = myFopenForRessource(path.c_str(), "r");
    if (!f)
        return "";
    size_t bufSize = st.st_size < 100000 ? 100000 : (st.st_size > 200000 ? 200000 : (size_t)st.st_size);
    std::vector<char> buf(bufSize);
    sha256_ctx ctx;
    sha256_init(&ctx);
    size_t got;
    while ((got = fread(buf.data(), 1, buf.size(), f)) > 0)
        sha256_update(&ctx, buf.data(), (unsigned)got);
    fclose(f);
    sha256_update(&ctx, path.data(), (unsigned)path.size());
    sha256_final(&ctx);
    unsigned char digest[32];
    sha256_digest(&ctx, digest);
    return charToHex((const char*)digest, 32);
}

bool Sha256::selfTest() {
    return calcSha256(std::string("abc")) == "BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD" &&
           calcSha256(std::string("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")) ==
               "248D6A61D20638B8E5C026930C3E6039A33CE45964FF2167F6ECEDD419DB06C1";
}

std::string charToHex(const char* bytes, unsigned n) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(2 * n);
    for (unsigned i = 0; i < n; i++) {
        unsigned char b = (unsigned char)bytes[i];
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}
