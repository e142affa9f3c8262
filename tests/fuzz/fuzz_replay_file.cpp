// Fuzzes replay files as downloaded: validity, the "not available" answer,
// loading and the playback check; a valid file holds exactly its count of
// entries.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/FuzzDocuments.h"
#include "levelplay/Replay.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    makeFuzzDocumentsFolder();
    return 0;
}

// The count of a file whose five header lines are plain: not empty, without
// CR, each ended by one line feed, the fifth a decimal count; -1 for any
// other file (the line reader also ends lines at CR and takes a line end
// right after another as part of it, so those headers split differently).
static long headerCount(const std::string& bytes, size_t* dataStart) {
    size_t at = 0, lineStart = 0;
    for (int line = 0; line < 5; line++) {
        lineStart = at;
        at = bytes.find('\n', at);
        if (at == std::string::npos || at == lineStart || bytes.find('\r', lineStart) < at)
            return -1;
        at++;
    }
    std::string count = bytes.substr(lineStart, at - 1 - lineStart);
    if (count.empty() || count.size() > 9 || count.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    *dataStart = at;
    return strtol(count.c_str(), nullptr, 10);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    writeFuzzDocument(Replay::getPath(1, true), data, size);
    std::string name = Replay::getPath(1, true);
    bool valid = Replay::isReplayValid(name);
    bool playable = Replay::isPlayable(name);
    Replay::isReplayNotAvailableAnymore(name);
    FUZZ_CHECK(!playable || valid);
    Replay replay(1, true);
    int entries = replay.getSizeOfReplay();
    FUZZ_CHECK(entries >= 0 && (size_t)entries * 4 <= size + 4);
    for (int i = -1; i <= entries; i++)
        replay.get(i);
    if (valid) {
        FUZZ_CHECK((size_t)entries * 4 <= size);
        size_t dataStart = 0;
        std::string bytes((const char*)data, size);
        long count = headerCount(bytes, &dataStart);
        if (count >= 0 && size - dataStart == (size_t)count * 4)
            FUZZ_CHECK(entries == count);
    }
    return 0;
}
