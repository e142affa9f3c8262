// Bounded whole-file reads: one open, no stream buffer, a size check before
// and during the read (a device or a growing file has no size to trust).
#include "platform/readFileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

static std::string tooLarge(size_t maxBytes) { return "larger than " + std::to_string(maxBytes) + " bytes"; }

bool readFileBytes(const std::string& path, size_t maxBytes, std::string* out, std::string* why, int* openError) {
    out->clear();
    std::string unusedWhy;
    int unusedError;
    if (!why)
        why = &unusedWhy;
    if (!openError)
        openError = &unusedError;
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info;
    if (fd < 0 || fstat(fd, &info) != 0) {
        *openError = errno ? errno : EIO;
        *why = strerror(*openError);
        if (fd >= 0)
            close(fd);
        return false;
    }
    // A folder opens, and only its read fails: it is refused as one that did not open.
    if (S_ISDIR(info.st_mode)) {
        close(fd);
        *openError = EISDIR;
        *why = "it is a folder";
        return false;
    }
    *openError = 0;
    if (info.st_size < 0 || (unsigned long long)info.st_size > maxBytes) {
        close(fd);
        *why = tooLarge(maxBytes);
        return false;
    }
    // One byte more than the size: a file that grew since fstat (or one with
    // no size, such as a device) is read on, to the bound and one byte past it.
    out->resize((size_t)info.st_size + 1);
    size_t done = 0;
    int error = 0;
    while (done <= maxBytes) {
        if (done == out->size())
            out->resize(std::min(maxBytes + 1, out->size() * 2));
        ssize_t n = read(fd, &(*out)[done], out->size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            error = errno ? errno : EIO;
        if (n <= 0)
            break;
        done += (size_t)n;
    }
    close(fd);
    out->resize(done);
    if (error == 0 && done <= maxBytes)
        return true;
    *why = error ? strerror(error) : tooLarge(maxBytes);
    out->clear();
    return false;
}

bool readFileLines(const std::string& path, size_t maxBytes, size_t maxLineBytes, std::vector<std::string>* lines,
                   std::string* why) {
    lines->clear();
    std::string text;
    if (!readFileBytes(path, maxBytes, &text, why))
        return false;
    for (size_t start = 0; start < text.size();) {
        size_t end = std::min(text.find('\n', start), text.size());
        if (end - start > maxLineBytes) {
            *why = "line " + std::to_string(lines->size() + 1) + " is longer than " + std::to_string(maxLineBytes) +
                   " bytes";
            lines->clear();
            return false;
        }
        lines->push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return true;
}
