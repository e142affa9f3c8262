// A fresh game directory (data/ and app/native/) to run a test in, its data/
// the documents folder; the working directory and documents folder are
// restored and the directory removed afterwards.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

class TempGameDir {
public:
    TempGameDir() {
        char buffer[4096];
        previous = getcwd(buffer, sizeof buffer) ? buffer : ".";
        const char* documents = getenv("ZORBIX_DOCUMENTS");
        hadDocuments = documents != nullptr;
        previousDocuments = documents ? documents : "";
        char pattern[] = "/tmp/zorbix_test_XXXXXX";
        const char* made = mkdtemp(pattern);
        root = made ? made : "/tmp";
        std::string command = "mkdir -p '" + root + "/data' '" + root + "/app/native'";
        if (std::system(command.c_str()) != 0 || chdir(root.c_str()) != 0)
            std::abort();
        setenv("ZORBIX_DOCUMENTS", (root + "/data").c_str(), 1);
    }
    ~TempGameDir() {
        if (chdir(previous.c_str()) != 0)
            std::abort();
        if (hadDocuments)
            setenv("ZORBIX_DOCUMENTS", previousDocuments.c_str(), 1);
        else
            unsetenv("ZORBIX_DOCUMENTS");
        std::string command = "chmod -R u+w '" + root + "' && rm -rf '" + root + "'";
        if (std::system(command.c_str()) != 0)
            std::fprintf(stderr, "could not remove %s\n", root.c_str());
    }
    TempGameDir(const TempGameDir&) = delete;
    TempGameDir& operator=(const TempGameDir&) = delete;

    void writeDocument(const std::string& name, const std::string& bytes) {
        std::ofstream(root + "/data/" + name, std::ios::binary) << bytes;
    }
    std::string readDocument(const std::string& name) {
        std::ifstream in(root + "/data/" + name, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    bool documentExists(const std::string& name) { return access((root + "/data/" + name).c_str(), F_OK) == 0; }
    void writeResource(const std::string& name, const std::string& bytes) {
        std::ofstream(root + "/app/native/" + name, std::ios::binary) << bytes;
    }
    // Any file below the directory, by relative path.
    void write(const std::string& relative, const std::string& bytes) {
        std::ofstream(root + "/" + relative, std::ios::binary) << bytes;
    }

    std::string root;

private:
    std::string previous, previousDocuments;
    bool hadDocuments;
};
