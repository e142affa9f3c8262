// The embedded script store: a map from path to position over the generated tables.
#include "script/LuaScriptList.h"

#include <cstring>

#include "script/LuaScriptData.h"

LuaScriptList* LuaScriptList::getInstance() {
    static LuaScriptList* instance = new LuaScriptList();
    return instance;
}

LuaScriptList::LuaScriptList() {
    while (luaScriptPaths[count])
        count++;
    for (int i = 0; i < count; i++)
        positions[luaScriptPaths[i]] = i + 1;
    sizes = new unsigned int[count];
    texts = new char*[count];
    for (int i = 0; i < count; i++) {
        sizes[i] = luaScriptSizes[i];
        texts[i] = new char[sizes[i] ? sizes[i] : 1];
        std::memcpy(texts[i], luaScriptTexts[i], sizes[i]);
    }
}

LuaScriptList::~LuaScriptList() {
    for (int i = 0; i < count; i++)
        delete[] texts[i];
    delete[] texts;
    delete[] sizes;
}

// Position + 1 of a path, 0 when absent. A path that begins with "." is
// looked up without its first two characters, so "./" + a stored path (as the
// package path template "./?.lua" builds it) finds the stored one.
int LuaScriptList::find(std::string path) {
    if (!path.empty() && path[0] == '.')
        path.erase(0, 2);
    auto it = positions.find(path);
    return it == positions.end() ? 0 : it->second;
}

const char* LuaScriptList::getLuaScript(std::string path, unsigned int* size) {
    if (!added.empty()) {
        std::string key = path;
        if (!key.empty() && key[0] == '.')
            key.erase(0, 2);
        auto it = added.find(key);
        if (it != added.end()) {
            *size = (unsigned int)it->second.size();
            return it->second.data();
        }
    }
    int position = find(path);
    if (position == 0)
        return nullptr;
    *size = sizes[position - 1];
    return texts[position - 1];
}

bool LuaScriptList::fileExist(std::string path) {
    unsigned int size = 0;
    return getLuaScript(path, &size) != nullptr;
}

void LuaScriptList::addScriptForTests(std::string path, std::string text) { added[path] = text; }

void LuaScriptList::removeScriptForTests(std::string path) { added.erase(path); }

std::string LuaScriptList::getPath(int position) {
    return position >= 0 && position < count ? luaScriptPaths[position] : "";
}
