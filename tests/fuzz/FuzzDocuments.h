// A documents folder of a fuzzing run's own, on tmpfs when there is one. The
// game finds it through ZORBIX_DOCUMENTS, so the working directory stays where
// the run was started and the relative paths given to libFuzzer (corpus
// folders, artifact prefix) keep their meaning. The folder goes when the run
// exits; a run that is killed cannot remove it, so every run first removes the
// folders of runs that are no longer alive.
#pragma once

#include <dirent.h>
#include <fcntl.h>
#include <ftw.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/myfopen.h"

namespace fuzzdocuments {

inline std::string folder;

inline int removeEntry(const char* path, const struct stat*, int, struct FTW*) { return remove(path); }

inline void removeFolder(const std::string& path) { nftw(path.c_str(), removeEntry, 16, FTW_DEPTH | FTW_PHYS); }

inline void removeOwnFolder() {
    if (!folder.empty())
        removeFolder(folder);
}

// Folders are named zorbix_fuzz_<process id>_XXXXXX.
inline void removeFoldersOfEndedRuns(const std::string& parent) {
    DIR* d = opendir(parent.c_str());
    if (!d)
        return;
    while (struct dirent* e = readdir(d)) {
        int pid = 0;
        if (sscanf(e->d_name, "zorbix_fuzz_%d_", &pid) == 1 && pid > 0 && kill(pid, 0) != 0 && errno == ESRCH)
            removeFolder(parent + "/" + e->d_name);
    }
    closedir(d);
}

}  // namespace fuzzdocuments

// AddressSanitizer's defaults for the harnesses (ASAN_OPTIONS still override
// them). Its default quarantine holds 256 MiB of freed blocks, which each
// input's few hundred allocations cycle through: every allocation then lands
// on memory the system has to map afresh, and the leak checks walk it all. A
// freed block still waits through thousands of inputs before it is reused, so
// a use after free within an input is caught as before.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=32"; }

inline void makeFuzzDocumentsFolder() {
    std::string parent = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    fuzzdocuments::removeFoldersOfEndedRuns(parent);
    std::string pattern = parent + "/zorbix_fuzz_" + std::to_string(getpid()) + "_XXXXXX";
    if (!mkdtemp(&pattern[0]))
        abort();
    fuzzdocuments::folder = pattern;
    setenv("ZORBIX_DOCUMENTS", pattern.c_str(), 1);
    atexit(fuzzdocuments::removeOwnFolder);
}

// Plain system calls: no stream buffers to allocate for every input.
inline void writeFuzzDocument(const std::string& name, const unsigned char* data, size_t size) {
    int fd = open(pathToDocument(name).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        abort();
    for (size_t done = 0; done < size;) {
        ssize_t n = write(fd, data + done, size - done);
        if (n <= 0)
            abort();
        done += (size_t)n;
    }
    close(fd);
}

// The document's bytes; "" when there is none.
inline std::string readFuzzDocument(const std::string& name) {
    std::string bytes;
    int fd = open(pathToDocument(name).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return bytes;
    struct stat info;
    if (fstat(fd, &info) == 0 && info.st_size > 0) {
        bytes.resize((size_t)info.st_size);
        size_t done = 0;
        while (done < bytes.size()) {
            ssize_t n = read(fd, &bytes[done], bytes.size() - done);
            if (n <= 0)
                break;
            done += (size_t)n;
        }
        bytes.resize(done);
    }
    close(fd);
    return bytes;
}

inline bool fuzzDocumentExists(const std::string& name) { return access(pathToDocument(name).c_str(), F_OK) == 0; }

inline void removeFuzzDocument(const std::string& name) { remove(pathToDocument(name).c_str()); }

#define FUZZ_CHECK(condition)                                                              \
    do {                                                                                   \
        if (!(condition)) {                                                                \
            fprintf(stderr, "check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            abort();                                                                       \
        }                                                                                  \
    } while (0)
