// The store of embedded scripts: every script the game runs, by "/data/..." path.
#pragma once

#include <map>
#include <string>

class LuaScriptList {
public:
    static LuaScriptList* getInstance();
    ~LuaScriptList();

    // The script's text (not zero-terminated) and its byte size, or null when
    // the path is not stored (then *size is left alone).
    const char* getLuaScript(std::string path, unsigned int* size);
    bool fileExist(std::string path);

    int getNumberOfScripts() { return count; }
    // The stored path at a position, 0 .. count - 1, for listings.
    std::string getPath(int position);

private:
    LuaScriptList();
    LuaScriptList(const LuaScriptList&) = delete;
    LuaScriptList& operator=(const LuaScriptList&) = delete;
    int find(std::string path);

    std::map<std::string, int> positions;  // path -> position + 1
    int count = 0;
    unsigned int* sizes = nullptr;
    char** texts = nullptr;
};
