// Fuzzes the score files: the input is read as a local and as a world file;
// a file that reads must survive a write and a second read unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "fuzz/FuzzDocuments.h"
#include "savedata/Scores.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    makeFuzzDocumentsFolder();
    return 0;
}

static void checkTable(bool world, const uint8_t* data, size_t size) {
    const char* name = world ? "web_scores.txt" : "local_scores.txt";
    std::string input((const char*)data, size);
    writeFuzzDocument(name, data, size);
    std::string written;
    {
        ScoresForAllTheLevels table(world, name);
        FUZZ_CHECK(table.levels.size() == 8);
        // A file that failed to read was rebuilt and replaced; one that read is untouched.
        bool readWhole = readFuzzDocument(name) == input;
        for (ScoresForALevel* level : table.levels)
            FUZZ_CHECK(readWhole || level->scores.empty());
        FUZZ_CHECK(table.write());
        written = readFuzzDocument(name);
    }
    ScoresForAllTheLevels again(world, name);
    FUZZ_CHECK(readFuzzDocument(name) == written);
    FUZZ_CHECK(again.write());
    FUZZ_CHECK(readFuzzDocument(name) == written);
    removeFuzzDocument(std::string(name) + ".bad");
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    checkTable(false, data, size);
    checkTable(true, data, size);
    return 0;
}
