// Reads a whole document file and hands it out line by line.
#pragma once

#include <cstddef>
#include <string>

class FileReader {
public:
    // Reads the named document; one larger than maxFileBytes (16 MiB: some
    // 19 hours of replay) fails to open.
    explicit FileReader(std::string name);
    // Reads a copy of bytes already in memory, as though a file held them.
    FileReader(const char* data, size_t length);
    ~FileReader();
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    bool hasFailedToOpen() const { return failedToOpen; }
    // The errno of a named file's failed open (EISDIR for a folder); 0 when it opened.
    int getOpenError() const { return openError; }
    // Why a named file could not be read, as readFileBytes tells it; "" when it was.
    const std::string& getReadError() const { return readError; }
    bool isFinished() const { return finished; }
    // A missing file is also empty.
    bool isEmpty() const { return size == 0; }

    // The unread part of the data, for readers that take raw bytes after the text lines.
    char* getCurrentPtr() { return buffer ? buffer + position : nullptr; }
    int getBytesLeftCount() const { return size - position; }

    // The next line, terminated in place. A line ends at CR or LF; one more CR
    // or LF right after it belongs to the same line end.
    char* nextPtr();
    bool getNextString(std::string* out);
    // The next line read as a decimal int (leading blanks, optional sign, digits;
    // the rest ignored); false, with *out unchanged, when it holds no number.
    bool getNextInt(int* out);
    // The next line, taking exactly one line end (CR LF counts as one), so that
    // the bytes after it stay for getCurrentPtr even when the first is 10 or 13.
    bool getNextStringBeforeRawBytes(std::string* out);

    // A decimal int as getNextInt reads it.
    static bool parseInt(const char* text, int* out);
    static int findNewLine(const char* text, int start, int size);

private:
    // Fills the buffer with a copy of the data; failedToOpen when it cannot.
    void take(const char* data, size_t length);

    bool failedToOpen = false;
    int openError = 0;
    std::string readError;
    char* buffer = nullptr;
    int size = 0;
    bool finished = true;
    int position = 0;
    int lineEnd = 0;
};
