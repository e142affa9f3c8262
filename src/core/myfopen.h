// Paths and fopen wrappers for the two folders the game uses: the read-only
// resources under "app/native" and the player's documents under "data".
#pragma once

#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

// The full path of a file under the resource folder; "" (no file) for a path
// with a ".." component or a zero byte, which could name a file outside it.
std::string pathToRessource(std::string path);
std::string pathToDocument(std::string name);
FILE* myFopenForRessource(const char* path, const char* mode);
int myStatForRessource(const char* path, struct stat* buffer);
FILE* myFopenForDocument(std::string name, const char* mode);
int myRemoveForDocument(std::string name);
int myRenameForDocument(std::string from, std::string to);
std::vector<std::string> listDocuments();
int getFileSize(FILE* f);
void initMyStandardStreams();
void mylog(std::string text);

// The script runtime's standard streams.
extern FILE* myStdin;
extern FILE* myStdout;
extern FILE* myStderr;
