// Fuzzes the achievements file: load, save, reload; the saved file must read
// back to the same file. Every input is read and written in memory; the whole
// round trip through the documents folder runs for a sample of the inputs.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <set>
#include <string>

#include "fuzz/FuzzDocuments.h"
#include "savedata/Achievements.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    makeFuzzDocumentsFolder();
    return 0;
}

// Reads the input over fresh records and returns what would be saved; that
// text must run whole and save as itself. Reading is a function of the text
// alone, and most inputs save one of a few texts: a text that passed is not
// read again.
static std::string checkText(const std::string& input) {
    static std::set<std::string> passed;
    Achievements* achievements = Achievements::getInstance();
    achievements->resetToCatalogue();
    achievements->readAchievementsText(input);
    std::string saved = achievements->achievementsText();
    if (!passed.count(saved)) {
        achievements->resetToCatalogue();
        FUZZ_CHECK(achievements->readAchievementsText(saved));
        FUZZ_CHECK(achievements->achievementsText() == saved);
        if (passed.size() >= 4096)
            passed.clear();
        passed.insert(saved);
    }
    // The records go back to the catalogue's: rows of paths the input made up
    // would otherwise stay, and libFuzzer takes an input that leaves more
    // blocks than it found for a leak, running a full leak check on it.
    achievements->resetToCatalogue();
    return saved;
}

static void checkFile(const std::string& input, const std::string& savedInMemory) {
    writeFuzzDocument("achievements.txt", (const unsigned char*)input.data(), input.size());
    Achievements::reloadForTests();
    std::string saved = readFuzzDocument("achievements.txt");
    FUZZ_CHECK(saved == savedInMemory);
    removeFuzzDocument("achievements.txt.bad");
    Achievements::reloadForTests();
    FUZZ_CHECK(readFuzzDocument("achievements.txt") == saved);
    FUZZ_CHECK(!fuzzDocumentExists("achievements.txt.bad"));
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static unsigned long inputs = 0;
    std::string input((const char*)data, size);
    std::string saved = checkText(input);
    if (inputs++ % 64 == 0)
        checkFile(input, saved);
    return 0;
}
