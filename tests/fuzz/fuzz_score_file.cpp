// Fuzzes the score files: the input is read as a local and as a world file;
// a file that reads must survive a write and a second read unchanged. Every
// input is read and written in memory; the whole round trip through the
// documents folder runs for a sample of the inputs that read and of the rest.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "fuzz/FuzzDocuments.h"
#include "savedata/Scores.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    makeFuzzDocumentsFolder();
    return 0;
}

// The table read from the input in memory: on success it writes a text that
// reads back to itself; on failure it is left empty. Returns whether it read.
static bool checkText(bool world, const std::string& input) {
    ScoresForAllTheLevels table(world);
    if (!table.readText(input)) {
        FUZZ_CHECK(table.levels.empty());
        return false;
    }
    FUZZ_CHECK(table.levels.size() == 8);
    std::string written = table.text();
    ScoresForAllTheLevels again(world);
    FUZZ_CHECK(again.readText(written));
    FUZZ_CHECK(again.text() == written);
    return true;
}

static void checkFile(bool world, const std::string& input, bool readsInMemory) {
    const char* name = world ? "web_scores.txt" : "local_scores.txt";
    writeFuzzDocument(name, (const unsigned char*)input.data(), input.size());
    std::string written;
    {
        ScoresForAllTheLevels table(world, name);
        FUZZ_CHECK(table.levels.size() == 8);
        // A file that failed to read was rebuilt and replaced; one that read is untouched.
        bool readWhole = readFuzzDocument(name) == input;
        FUZZ_CHECK(readWhole == readsInMemory);
        for (ScoresForALevel* level : table.levels)
            FUZZ_CHECK(readWhole || level->scores.empty());
        FUZZ_CHECK(table.write());
        written = readFuzzDocument(name);
        FUZZ_CHECK(written == table.text());
    }
    ScoresForAllTheLevels again(world, name);
    FUZZ_CHECK(readFuzzDocument(name) == written);
    FUZZ_CHECK(again.write());
    FUZZ_CHECK(readFuzzDocument(name) == written);
    removeFuzzDocument(std::string(name) + ".bad");
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The first input of a run (a crash replayed alone) always takes the
    // file round trip.
    static unsigned long inputs[2][2];  // by table, then by whether they read
    std::string input((const char*)data, size);
    for (bool world : {false, true}) {
        bool reads = checkText(world, input);
        if (inputs[world][reads]++ % (reads ? 8 : 64) == 0)
            checkFile(world, input, reads);
    }
    return 0;
}
