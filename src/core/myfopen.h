// Paths and fopen wrappers for the two folders the game uses: the read-only
// resources under "app/native" and the player's documents under "data".
#pragma once

#include <sys/stat.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// The full path of a file under the resource folder; "" (no file) for a path
// with a ".." component or a zero byte, which could name a file outside it.
std::string pathToRessource(std::string path);
// The full path of a document: under "data" in the working directory, or under
// the folder named by ZORBIX_DOCUMENTS when that is set.
std::string pathToDocument(std::string name);
FILE* myFopenForRessource(const char* path, const char* mode);
int myStatForRessource(const char* path, struct stat* buffer);
FILE* myFopenForDocument(std::string name, const char* mode);
int myRemoveForDocument(std::string name);
int myRenameForDocument(std::string from, std::string to);
std::vector<std::string> listDocuments();
int getFileSize(FILE* f);

// Replaces the named document whole: write() fills "<name>.tmp", which is then
// flushed, synced and renamed over the old file, and the folder synced; a
// documents folder that is missing is made first. When write() or any step
// fails the temporary file goes, the old file stays as it was, one line on
// the standard error stream names the document and the cause, and the result
// is false.
bool writeDocumentWhole(std::string name, const std::function<bool(FILE*)>& write);
// writeDocumentWhole with these bytes as the whole file.
bool writeDocumentBytes(std::string name, const std::string& bytes);
// Says in one line on the standard error stream that the named document was
// not saved, and why (an errno): the line of a failed writeDocumentWhole, for
// a save the caller does not make. Returns false, the result of the save.
bool tellNotSaved(std::string name, int cause);

// Reads the named document whole into *out (readFileBytes). *openError is 0
// when it opened, else the errno of the failed open (EISDIR for a folder).
// False when it did not open, could not be read, or holds more than maxBytes;
// *why, when given, then tells the cause.
bool readDocumentBytes(std::string name, size_t maxBytes, std::string* out, int* openError, std::string* why = nullptr);

// Moves the named document to "<name>.bad" (over an older file of that
// name), so that a file that failed to read survives, whole, the rewrite that
// follows; nothing of it is read, whatever its size. 0 when it was moved, else
// the errno of the failed move (EIO when no path can be formed): the file then
// stands where it was, and a rewrite would lose it.
int keepDocumentAsBad(std::string name);
// For a document that did not read (openError as readDocumentBytes gave it):
// one that opened is moved to "<name>.bad". Returns why the file must be kept
// as it is and never written (the errno of the failed open or move), or 0
// when it may be written: it is missing, or was moved aside.
int setAsideUnreadDocument(std::string name, int openError);

// Failures injected into writeDocumentWhole, for tests: a failing write (told
// as a full disk) or fsync (as an input/output error) of the temporary file,
// and a call before each step (open, write, flush, sync, close, rename, folder
// sync) where a test can stop the process.
struct DocumentWriteFaults {
    static bool failWrite;
    static bool failSync;
    static void (*beforeStep)();
};
void initMyStandardStreams();

// The script runtime's standard streams.
extern FILE* myStdin;
extern FILE* myStdout;
extern FILE* myStderr;
