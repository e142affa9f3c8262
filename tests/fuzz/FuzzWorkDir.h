// A private game directory for a fuzzing run, on tmpfs when there is one so
// that the whole-file writes stay cheap.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

inline void enterFuzzWorkDir() {
    char pattern[64];
    snprintf(pattern, sizeof pattern, "%s/zorbix_fuzz_XXXXXX", access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp");
    const char* made = mkdtemp(pattern);
    if (!made || chdir(made) != 0 || mkdir("data", 0700) != 0)
        abort();
}

inline void writeFuzzDocument(const std::string& name, const unsigned char* data, size_t size) {
    std::ofstream("data/" + name, std::ios::binary | std::ios::trunc).write((const char*)data, (std::streamsize)size);
}

inline std::string readFuzzDocument(const std::string& name) {
    std::ifstream in("data/" + name, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

#define FUZZ_CHECK(condition)                                                              \
    do {                                                                                   \
        if (!(condition)) {                                                                \
            fprintf(stderr, "check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            abort();                                                                       \
        }                                                                                  \
    } while (0)
