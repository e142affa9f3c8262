// Fuzzes the achievements file: load, save, reload; the saved file must read
// back to the same file.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "fuzz/FuzzWorkDir.h"
#include "levelplay/LuaCommon.h"
#include "savedata/Achievements.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    enterFuzzWorkDir();
    // A written file must read back whatever the machine's load: the time
    // budget is tested by the unit tests, not here.
    DocumentScriptState::maxMilliseconds = 60000;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    writeFuzzDocument("achievements.txt", data, size);
    Achievements::reloadForTests();
    std::string saved = readFuzzDocument("achievements.txt");
    remove("data/achievements.txt.bad");
    Achievements::reloadForTests();
    FUZZ_CHECK(readFuzzDocument("achievements.txt") == saved);
    FILE* bad = fopen("data/achievements.txt.bad", "rb");
    FUZZ_CHECK(bad == nullptr);
    return 0;
}
