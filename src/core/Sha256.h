// SHA-256 digests (FIPS 180-2), the check value of saved files and uploads.
#pragma once

#include <cstdint>
#include <string>

struct sha256_ctx {
    uint32_t h[8];
    uint32_t blocks[2];  // count of complete 64-byte blocks, low word first
    uint32_t buffer[16];
    uint32_t bufferedBytes;
};

class Sha256 {
public:
    virtual ~Sha256() {}

    void sha256_init(sha256_ctx* ctx);
    void sha256_update(sha256_ctx* ctx, const void* bytes, unsigned n);
    void sha256_final(sha256_ctx* ctx);
    void sha256_digest(sha256_ctx* ctx, unsigned char* out);
    std::string calcSha256(const std::string& text);
    std::string calcSha256(const std::string& path, int* unused);
    bool selfTest();

private:
    void sha256_block(sha256_ctx* ctx, const unsigned char* block);
    void sha256_transform(sha256_ctx* ctx, const uint32_t* words);
};

// Each byte as two upper-case hexadecimal digits.
std::string charToHex(const char* bytes, unsigned n);
