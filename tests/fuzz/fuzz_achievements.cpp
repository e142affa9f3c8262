// Fuzzes the achievements file: load, save, reload; the saved file must read
// back to the same file.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "fuzz/FuzzDocuments.h"
#include "levelplay/LuaCommon.h"
#include "savedata/Achievements.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    makeFuzzDocumentsFolder();
    // A written file must read back whatever the machine's load: the time
    // budget is tested by the unit tests, not here.
    DocumentScriptState::maxMilliseconds = 60000;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    writeFuzzDocument("achievements.txt", data, size);
    Achievements::reloadForTests();
    std::string saved = readFuzzDocument("achievements.txt");
    removeFuzzDocument("achievements.txt.bad");
    Achievements::reloadForTests();
    FUZZ_CHECK(readFuzzDocument("achievements.txt") == saved);
    FUZZ_CHECK(!fuzzDocumentExists("achievements.txt.bad"));
    return 0;
}
