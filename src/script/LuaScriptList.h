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

    // Tests and the simulation tool add a script, or shadow a stored one,
    // without a rebuild; the game never does. Removing it shows the stored one again.
    void addScriptForTests(std::string path, std::string text);
    void removeScriptForTests(std::string path);

    int getNumberOfScripts() { return count; }
    // The stored path at a position, 0 .. count - 1, for listings.
    std::string getPath(int position);

private:
    LuaScriptList();
    LuaScriptList(const LuaScriptList&) = delete;
    LuaScriptList& operator=(const LuaScriptList&) = delete;
    int find(std::string path);

    std::map<std::string, int> positions;  // path -> position + 1
    std::map<std::string, std::string> added;
    int count = 0;
    unsigned int* sizes = nullptr;
    char** texts = nullptr;
};
