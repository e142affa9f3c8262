// Paths under the working directory, fopen wrappers and the script runtime's streams.
#include "core/myfopen.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/readFileBytes.h"

FILE* myStdin = stdin;
FILE* myStdout = stdout;
FILE* myStderr = stderr;

// The working directory, however long; false when it cannot be read, and every
// open built on it then fails. Documents are opened many times a frame, and
// getcwd allocates a page-sized buffer each time: the path is kept and reused
// for as long as it still names the directory we are in (same device and
// inode), so a chdir or a folder removed and made again is noticed.
static bool workingDirectory(std::string& out) {
    static thread_local std::string known;
    struct stat here, there;
    if (!known.empty() && stat(".", &here) == 0 && stat(known.c_str(), &there) == 0 && here.st_dev == there.st_dev &&
        here.st_ino == there.st_ino) {
        out = known;
        return true;
    }
    char* cwd = getcwd(nullptr, 0);
    if (!cwd) {
        known.clear();
        return false;
    }
    out = known = cwd;
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
    // A folder given in ZORBIX_DOCUMENTS keeps test and tool runs away from
    // the player's documents.
    const char* folder = getenv("ZORBIX_DOCUMENTS");
    if (folder && *folder)
        return std::string(folder) + "/" + name;
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

bool DocumentWriteFaults::failWrite = false;
bool DocumentWriteFaults::failSync = false;
void (*DocumentWriteFaults::beforeStep)() = nullptr;

static void step() {
    if (DocumentWriteFaults::beforeStep)
        DocumentWriteFaults::beforeStep();
}

// Opens a new document for writing; a documents folder that is missing is
// made first.
static FILE* createDocument(const std::string& name) {
    FILE* f = myFopenForDocument(name, "wb");
    if (!f && errno == ENOENT && mkdir(pathToDocument("").c_str(), 0777) == 0)
        f = myFopenForDocument(name, "wb");
    return f;
}

bool tellNotSaved(std::string name, int cause) {
    std::string full = pathToDocument(name);
    fprintf(stderr, "cannot save %s: %s\n", (full.empty() ? name : full).c_str(), strerror(cause));
    fflush(stderr);
    return false;
}

bool writeDocumentWhole(std::string name, const std::function<bool(FILE*)>& write) {
    std::string temporary = name + ".tmp";
    // The errno of the first step that failed; EIO for one that set none.
    int cause = 0;
    auto failed = [&cause](int error) {
        if (cause == 0)
            cause = error != 0 ? error : EIO;
    };
    step();
    errno = 0;
    FILE* f = createDocument(temporary);
    if (!f) {
        failed(errno);
        return tellNotSaved(name, cause);
    }
    step();
    errno = 0;
    if (!write(f))
        failed(errno);
    if (DocumentWriteFaults::failWrite)
        failed(ENOSPC);
    step();
    if (fflush(f) != 0 || ferror(f) != 0)
        failed(errno);
    step();
    if (fsync(fileno(f)) != 0)
        failed(errno);
    if (DocumentWriteFaults::failSync)
        failed(EIO);
    step();
    if (fclose(f) != 0)
        failed(errno);
    if (cause == 0) {
        step();
        if (myRenameForDocument(temporary, name) != 0)
            failed(errno);
    }
    if (cause != 0) {
        myRemoveForDocument(temporary);
        return tellNotSaved(name, cause);
    }
    // Makes the rename itself durable.
    step();
    std::string folder = pathToDocument("");
    int dir = folder.empty() ? -1 : open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}

bool writeDocumentBytes(std::string name, const std::string& bytes) {
    return writeDocumentWhole(
        name, [&bytes](FILE* f) { return bytes.empty() || fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size(); });
}

bool readDocumentBytes(std::string name, size_t maxBytes, std::string* out, int* openError, std::string* why) {
    std::string full = pathToDocument(name);
    if (!full.empty())
        return readFileBytes(full, maxBytes, out, why, openError);
    out->clear();
    *openError = EIO;
    if (why)
        *why = strerror(EIO);
    return false;
}

int keepDocumentAsBad(std::string name) {
    std::string from = pathToDocument(name), to = pathToDocument(name + ".bad");
    if (from.empty() || to.empty())
        return EIO;
    if (rename(from.c_str(), to.c_str()) == 0)
        return 0;
    return errno != 0 ? errno : EIO;
}

int setAsideUnreadDocument(std::string name, int openError) {
    if (openError == 0)
        return keepDocumentAsBad(name);
    return openError == ENOENT ? 0 : openError;
}

void initMyStandardStreams() {
    myStdout = stdout;
    myStdin = stdin;
    myStderr = stderr;
}
