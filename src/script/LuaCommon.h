// The script call layer: running scripts and reading the globals they leave.
#pragma once

#include <string>
#include <vector>

#include "core/Color.h"
#include "script/LuaRuntime.h"

// Loads a chunk (from the documents folder when fromDocuments, else from the
// embedded store) and runs it. On a load or run error the message is popped
// and false returned (and stored in *error when given); nothing is printed.
bool loadScript(lua_State* L, std::string name, bool fromDocuments, std::string* error = nullptr);

// Calls the global function of that name with no arguments and no results. A
// script error (or a global that is not a function) prints the message to the
// standard error stream and ends the process with a non-zero status.
void executeFunction(lua_State* L, std::string name);

// The readers look at globals with raw access and leave the stack as it was.
int getSizeOfArray(lua_State* L, std::string name);
void readBoolean(lua_State* L, std::string name, bool* out, bool defaultValue);
void readNumber(lua_State* L, std::string name, int* out, int defaultValue);
void readString(lua_State* L, std::string name, std::string* out);
bool booleanExists(lua_State* L, std::string name);
bool numberExists(lua_State* L, std::string name);
void readArray(lua_State* L, std::string name, std::vector<int>* out);
void readArrayThenIndexThenInt(lua_State* L, std::string name, int i, std::string field, int* out);
void readArrayThenIndexThenString(lua_State* L, std::string name, int i, std::string field, std::string* out);
void readArrayThenIndexThenArray(lua_State* L, std::string name, int i, std::string field, std::vector<int>* out);
void readArrayThenIndexThenColors(lua_State* L, std::string name, int i, std::vector<Color>* out);

// The text as a quoted script string literal: quotes, backslashes and control
// characters escaped, so that no text can end the literal early, break the
// line or add code to a document.
std::string quoteForDocument(const std::string& text);

// A script state for reading a saved document (preferences, achievements):
// no libraries, so the chunk can only assign globals; precompiled chunks are
// refused; its size is capped by the caller, and running it is bounded in
// instructions, memory and bytes allocated, never by the clock: a file reads
// the same on a loaded machine as on an idle one. Read the globals with the
// readers above once load() has returned.
class DocumentScriptState {
public:
    // The largest files the game writes (a full achievements.txt: some 260
    // instructions, 18 KiB at most in use, 30 KiB allocated) stay far below.
    // One instruction may compare, join or convert a string as long as memory
    // allows, so the work of a run is bounded by the product of the two limits.
    static constexpr long maxInstructions = 20000;
    static constexpr size_t maxMemory = 256 * 1024;
    // All the bytes one run may allocate, freed or not: a loop that builds
    // ever longer strings stays under maxMemory but copies without end.
    static constexpr size_t maxAllocated = 16 * maxMemory;
    // Called every few instructions of a run, for tests that hold the reader
    // up as a loaded machine or a debugger would.
    static void (*whileRunning)();

    DocumentScriptState();
    ~DocumentScriptState();
    DocumentScriptState(const DocumentScriptState&) = delete;
    DocumentScriptState& operator=(const DocumentScriptState&) = delete;

    // Runs the named document if it holds at most maxBytes bytes; false when
    // it is missing, larger, refused, fails to compile or stops with an error
    // (the globals it set before stay), and error() then says why.
    bool load(std::string name, size_t maxBytes);
    // The same for a chunk held in memory (named in messages only).
    bool loadText(const std::string& text, const std::string& chunkName);
    // Runs the bytes of the named document as load() runs the file: the same
    // size limit, "#" first line and refusals.
    bool loadDocumentText(const std::string& bytes, const std::string& name, size_t maxBytes);
    lua_State* state() { return L; }
    const std::string& error() const { return message; }

    // Bookkeeping, public for the allocator and hook callbacks.
    size_t used = 0;
    size_t limit = 0;
    size_t allocated = 0;
    long executed = 0;

private:
    // Arms the limits, runs the chunk that the loader's status refers to and
    // disarms them.
    bool run(int loadStatus);

    lua_State* L = nullptr;
    std::string message;
};
