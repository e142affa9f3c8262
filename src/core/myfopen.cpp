// Paths under the working directory, fopen wrappers and the script runtime's streams.
#include "core/myfopen.h"

#include <dirent.h>
#include <unistd.h>

#include <cstdlib>

FILE* myStdin = stdin;
FILE* myStdout = stdout;
FILE* myStderr = stderr;

// The working directory, however long; false when it cannot be read, and every
// open built on it then fails.
static bool workingDirectory(std::string& out) {
    char* cwd = getcwd(nullptr, 0);
    if (!cwd)
        return false;
    out = cwd;
    free(cwd);
    return true;
}

// True when a ".." component could lead the path out of its folder.
static bool climbsUp(const std::string& path) {
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        if (path.compare(start, end - start, "..") == 0)
            return true;
        start = end + 1;
    }
    return false;
}

std::string pathToRessource(std::string path) {
    // "./x" and "/x" name the same file: only the dot is dropped.
    if (path.compare(0, 2, "./") == 0)
        path.erase(0, 1);
    // Names come from scripts too: none may leave the resource folder, and a
    // name without its leading "/" still names a file inside it.
    if (climbsUp(path) || path.find('\0') != std::string::npos)
        return "";
    if (path.empty() || path[0] != '/')
        path.insert(0, "/");
    std::string cwd;
    if (!workingDirectory(cwd))
        return "";
    return cwd + "/app/native" + path;
}

std::string pathToDocument(std::string name) {
    std::string cwd;
    if (!workingDirectory(cwd))
        return "";
    return cwd + "/data/" + name;
}

FILE* myFopenForRessource(const char* path, const char* mode) {
    std::string full = pathToRessource(path);
    return full.empty() ? nullptr : fopen(full.c_str(), mode);
}

int myStatForRessource(const char* path, struct stat* buffer) {
    std::string full = pathToRessource(path);
    return full.empty() ? -1 : stat(full.c_str(), buffer);
}

FILE* myFopenForDocument(std::string name, const char* mode) {
    std::string full = pathToDocument(name);
    return full.empty() ? nullptr : fopen(full.c_str(), mode);
}

int myRemoveForDocument(std::string name) {
    std::string full = pathToDocument(name);
    return full.empty() ? -1 : remove(full.c_str());
}

int myRenameForDocument(std::string from, std::string to) {
    std::string a = pathToDocument(from), b = pathToDocument(to);
    return a.empty() || b.empty() ? -1 : rename(a.c_str(), b.c_str());
}

std::vector<std::string> listDocuments() {
    std::vector<std::string> names;
    std::string dir = pathToDocument("");
    DIR* d = dir.empty() ? nullptr : opendir(dir.c_str());
    if (!d)
        return names;
    while (struct dirent* e = readdir(d))
        names.push_back(e->d_name);
    closedir(d);
    return names;
}

int getFileSize(FILE* f) {
    if (fseek(f, 0, SEEK_END) != 0)
        return -1;
    long size = ftell(f);
    fseek(f, 0, SEEK_SET);
    return size < 0 || size > 0x7FFFFFFF ? -1 : (int)size;
}

void initMyStandardStreams() {
    myStdout = stdout;
    myStdin = stdin;
    myStderr = stderr;
}

void mylog(std::string text) {
    printf("%s", text.c_str());
    fflush(stdout);
}
