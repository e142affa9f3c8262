// A documents folder of the test program's own: made in /tmp when the program
// starts, named to the game through ZORBIX_DOCUMENTS (which child processes
// inherit), and removed with everything in it when the program ends. Whatever
// the player keeps under the game's data/ then changes no test, and programs
// running at once never write into the same folder.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

class ScratchDocuments {
public:
    ScratchDocuments() {
        char pattern[] = "/tmp/zorbix_documents_XXXXXX";
        if (!mkdtemp(pattern)) {
            std::perror("making the documents folder of the tests");
            std::exit(1);
        }
        folder = pattern;
        setenv("ZORBIX_DOCUMENTS", folder.c_str(), 1);
    }
    ~ScratchDocuments() {
        unsetenv("ZORBIX_DOCUMENTS");
        std::string command = "chmod -R u+w '" + folder + "' && rm -rf '" + folder + "'";
        if (std::system(command.c_str()) != 0)
            std::fprintf(stderr, "could not remove %s\n", folder.c_str());
    }
    ScratchDocuments(const ScratchDocuments&) = delete;
    ScratchDocuments& operator=(const ScratchDocuments&) = delete;

    std::string folder;
};
