// FileReader: the whole file in one buffer, lines terminated in place.
#include "core/FileReader.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/myfopen.h"
#include "platform/readFileBytes.h"

static bool isLineEnd(char c) { return c == '\n' || c == '\r'; }

FileReader::FileReader(std::string name) {
    // One open and one read, without a stream buffer: documents are read
    // often, replays several times a screen.
    std::string bytes;
    if (!readDocumentBytes(name, maxFileBytes, &bytes, &openError, &readError)) {
        failedToOpen = true;
        return;
    }
    take(bytes.data(), bytes.size());
}

FileReader::FileReader(const char* data, size_t length) { take(data, length); }

void FileReader::take(const char* data, size_t length) {
    if (length > 0x7FFFFFFE) {
        failedToOpen = true;
        return;
    }
    if (length > 0) {
        // One byte more than the data, so that a last line without a line end
        // can be terminated like the others.
        buffer = (char*)malloc(length + 1);
        if (!buffer) {
            failedToOpen = true;
            return;
        }
        memcpy(buffer, data, length);
        buffer[length] = 0;
        size = (int)length;
        finished = false;
    }
}

FileReader::~FileReader() { free(buffer); }

int FileReader::findNewLine(const char* text, int start, int size) {
    int i = start;
    while (i < size && !isLineEnd(text[i]))
        i++;
    return i;
}

char* FileReader::nextPtr() {
    static char nothing[1] = {0};
    if (!buffer || position >= size) {
        finished = true;
        return nothing;
    }
    int start = position;
    lineEnd = findNewLine(buffer, position, size);
    buffer[lineEnd] = 0;
    position = lineEnd + 1;
    if (position < size && isLineEnd(buffer[position]))
        position++;
    if (position >= size) {
        position = size;
        finished = true;
    }
    return buffer + start;
}

bool FileReader::getNextString(std::string* out) {
    if (finished)
        return false;
    *out = nextPtr();
    return true;
}

bool FileReader::getNextStringBeforeRawBytes(std::string* out) {
    if (finished || !buffer || position >= size)
        return false;
    int start = position;
    lineEnd = findNewLine(buffer, position, size);
    bool crlf = lineEnd + 1 < size && buffer[lineEnd] == '\r' && buffer[lineEnd + 1] == '\n';
    buffer[lineEnd] = 0;
    position = lineEnd + (crlf ? 2 : 1);
    if (position >= size) {
        position = size;
        finished = true;
    }
    *out = buffer + start;
    return true;
}

bool FileReader::getNextInt(int* out) {
    std::string line;
    if (!getNextString(&line))
        return false;
    return parseInt(line.c_str(), out);
}

bool FileReader::parseInt(const char* text, int* out) {
    const char* p = text;
    while (isspace((unsigned char)*p))
        p++;
    const char* digits = p;
    if (*digits == '+' || *digits == '-')
        digits++;
    if (!isdigit((unsigned char)*digits))
        return false;
    errno = 0;
    long value = strtol(p, nullptr, 10);
    if (errno == ERANGE || value < INT_MIN || value > INT_MAX)
        return false;
    *out = (int)value;
    return true;
}
