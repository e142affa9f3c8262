// Reading a file named by path whole, up to a bound: the documents, and the
// files a user names to the programs (input scripts, replays, scripts, hash
// lists), which may be a folder, a device or anything else.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The bound of a file read whole (the preferences and the progress file have
// smaller bounds of their own) and of a body sent to or received from the
// score server, which is a document too: score lists, replays, and the files
// a user names to the programs. Every real one is far smaller: the largest
// script is 22 KB, a 10-minute replay 144 KB (16 MiB holds some 19 hours),
// its hash list 14 KB.
const size_t maxFileBytes = 16 * 1024 * 1024;
// The bound of a line of the files a user names that are read by lines
// (input and hash lists), whose lines are under 100 bytes.
const size_t maxNamedLineBytes = 4096;

// Reads the file at path whole into *out (empty on failure). False when it is
// a folder, cannot be opened or read, or holds more than maxBytes. *why (when
// given) then tells the cause in words that follow "cannot read FILE: ", and
// *openError (when given) is the errno of the failed open (EISDIR for a
// folder), or 0 when it opened.
bool readFileBytes(const std::string& path, size_t maxBytes, std::string* out, std::string* why,
                   int* openError = nullptr);

// Reads the file at path as lines ended by LF (the last one may lack it),
// each without its LF. False, with the cause in *why, when readFileBytes fails
// or a line is longer than maxLineBytes.
bool readFileLines(const std::string& path, size_t maxBytes, size_t maxLineBytes, std::vector<std::string>* lines,
                   std::string* why);
