// A documents folder of the test program's own: made in /tmp when the program
// starts, named to the game through ZORBIX_DOCUMENTS (which child processes
// inherit), and removed with everything in it when the program exits, also
// through exit(). Whatever the player keeps under the game's data/ then
// changes no test, and programs running at once never write into the same
// folder.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace scratchdocuments {

inline std::string& folder() {
    static std::string made;
    return made;
}

inline void remove() {
    std::string command = "chmod -R u+w '" + folder() + "' && rm -rf '" + folder() + "'";
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "could not remove %s\n", folder().c_str());
}

}  // namespace scratchdocuments

// Call first thing in main. A death test's child (the program run again by
// gtest) keeps the folder of the run that started it.
inline void useScratchDocuments(int argc, char** argv) {
    for (int i = 1; i < argc; i++)
        if (std::strncmp(argv[i], "--gtest_internal_run_death_test", 31) == 0)
            return;
    char pattern[] = "/tmp/zorbix_documents_XXXXXX";
    if (!mkdtemp(pattern)) {
        std::perror("making the documents folder of the tests");
        std::exit(1);
    }
    scratchdocuments::folder() = pattern;
    setenv("ZORBIX_DOCUMENTS", pattern, 1);
    std::atexit(scratchdocuments::remove);
}
