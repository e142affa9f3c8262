// The script call layer: loading and calling scripts, reading their globals.
#include "script/LuaCommon.h"

#include <cstdio>
#include <cstdlib>

bool loadScript(lua_State* L, std::string name, bool fromDocuments, std::string* error) {
    int status = fromDocuments ? luaL_loadfileAmongDocuments(L, name.c_str()) : luaL_loadfile(L, name.c_str());
    if (status == 0)
        status = lua_pcall(L, 0, 0, 0);
    if (status != 0) {
        if (error) {
            const char* message = lua_tostring(L, -1);
            *error = message ? message : "(error object is not a string)";
        }
        lua_pop(L, 1);
        return false;
    }
    return true;
}

std::string quoteForDocument(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += (char)c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c < 0x20 || c == 0x7F) {
            char buffer[8];
            snprintf(buffer, sizeof buffer, "\\%03d", c);
            out += buffer;
        } else {
            out += (char)c;
        }
    }
    out += '"';
    return out;
}

void executeFunction(lua_State* L, std::string name) {
    lua_getfield(L, LUA_GLOBALSINDEX, name.c_str());
    if (lua_pcall(L, 0, 0, 0) != 0) {
        const char* message = lua_tostring(L, -1);
        std::fprintf(stderr, "script error in %s: %s\n", name.c_str(),
                     message ? message : "(error object is not a string)");
        std::fflush(stderr);
        lua_pop(L, 1);
        std::exit(1);
    }
}

// Pushes the global `name` without running any metamethod.
static void pushGlobal(lua_State* L, const std::string& name) {
    lua_pushlstring(L, name.data(), name.size());
    lua_rawget(L, LUA_GLOBALSINDEX);
}

// Pushes t[field] of the table at the top, without metamethods.
static void pushField(lua_State* L, const std::string& field) {
    lua_pushlstring(L, field.data(), field.size());
    lua_rawget(L, -2);
}

// Pushes global name[i] when global `name` and its element i are both tables
// and returns true; otherwise leaves the stack as it was and returns false.
static bool pushElement(lua_State* L, const std::string& name, int i) {
    pushGlobal(L, name);
    if (!lua_istable(L, -1)) {
        lua_pop(L, 1);
        return false;
    }
    lua_rawgeti(L, -1, i);
    if (!lua_istable(L, -1)) {
        lua_pop(L, 2);
        return false;
    }
    return true;
}

int getSizeOfArray(lua_State* L, std::string name) {
    pushGlobal(L, name);
    int size = lua_istable(L, -1) ? (int)lua_objlen(L, -1) : 0;
    lua_pop(L, 1);
    return size;
}

void readBoolean(lua_State* L, std::string name, bool* out, bool defaultValue) {
    pushGlobal(L, name);
    *out = lua_isboolean(L, -1) ? lua_toboolean(L, -1) != 0 : defaultValue;
    lua_pop(L, 1);
}

void readNumber(lua_State* L, std::string name, int* out, int defaultValue) {
    pushGlobal(L, name);
    *out = lua_isnumber(L, -1) ? (int)lua_tonumber(L, -1) : defaultValue;
    lua_pop(L, 1);
}

void readString(lua_State* L, std::string name, std::string* out) {
    pushGlobal(L, name);
    if (lua_isstring(L, -1))
        *out = lua_tostring(L, -1);
    lua_pop(L, 1);
}

bool booleanExists(lua_State* L, std::string name) {
    pushGlobal(L, name);
    bool exists = lua_isboolean(L, -1);
    lua_pop(L, 1);
    return exists;
}

bool numberExists(lua_State* L, std::string name) {
    pushGlobal(L, name);
    bool exists = lua_isnumber(L, -1) != 0;
    lua_pop(L, 1);
    return exists;
}

// Appends t[1 .. #t] of the table at the top as integers (0 for a value that
// is not a number).
static void appendInts(lua_State* L, std::vector<int>* out) {
    int n = (int)lua_objlen(L, -1);
    for (int k = 1; k <= n; k++) {
        lua_rawgeti(L, -1, k);
        out->push_back((int)lua_tointeger(L, -1));
        lua_pop(L, 1);
    }
}

void readArray(lua_State* L, std::string name, std::vector<int>* out) {
    pushGlobal(L, name);
    if (lua_istable(L, -1))
        appendInts(L, out);
    lua_pop(L, 1);
}

void readArrayThenIndexThenInt(lua_State* L, std::string name, int i, std::string field, int* out) {
    if (!pushElement(L, name, i))
        return;
    pushField(L, field);
    if (lua_isnumber(L, -1))
        *out = (int)lua_tonumber(L, -1);
    lua_pop(L, 3);
}

void readArrayThenIndexThenString(lua_State* L, std::string name, int i, std::string field, std::string* out) {
    if (!pushElement(L, name, i))
        return;
    pushField(L, field);
    if (lua_isstring(L, -1))
        *out = lua_tostring(L, -1);
    lua_pop(L, 3);
}

void readArrayThenIndexThenArray(lua_State* L, std::string name, int i, std::string field, std::vector<int>* out) {
    if (!pushElement(L, name, i))
        return;
    pushField(L, field);
    if (lua_istable(L, -1))
        appendInts(L, out);
    lua_pop(L, 3);
}

// Reads channel `key` of the colour table at the top; false when it is not a number.
static bool readChannel(lua_State* L, const char* key, int* value) {
    lua_pushstring(L, key);
    lua_rawget(L, -2);
    bool ok = lua_isnumber(L, -1) != 0;
    if (ok)
        *value = (int)lua_tonumber(L, -1);
    lua_pop(L, 1);
    return ok;
}

void readArrayThenIndexThenColors(lua_State* L, std::string name, int i, std::vector<Color>* out) {
    if (!pushElement(L, name, i))
        return;
    pushField(L, "colors");
    if (lua_istable(L, -1)) {
        int n = (int)lua_objlen(L, -1);
        for (int k = 1; k <= n; k++) {
            lua_rawgeti(L, -1, k);
            Color color;
            int r, g, b, a;
            if (lua_istable(L, -1) && readChannel(L, "r", &r) && readChannel(L, "g", &g) && readChannel(L, "b", &b) &&
                readChannel(L, "a", &a)) {
                float fr = (float)(r / 255.0), fg = (float)(g / 255.0), fb = (float)(b / 255.0);
                if (a == 255)
                    color.init(fr, fg, fb);
                else
                    color.init(fr, fg, fb, (float)(a / 255.0));
            }
            out->push_back(color);
            lua_pop(L, 1);
        }
    }
    lua_pop(L, 3);
}

// Allocation for document states: growth beyond the limit, or beyond the
// bytes one run may allocate in all, fails (the script then stops with a
// memory error); shrinking never fails, as Lua requires.
static void* boundedAlloc(void* ud, void* ptr, size_t osize, size_t nsize) {
    DocumentScriptState* owner = static_cast<DocumentScriptState*>(ud);
    if (nsize == 0) {
        std::free(ptr);
        owner->used -= osize;
        return nullptr;
    }
    // Compared without a sum that could wrap for a huge request.
    size_t others = owner->used - osize;
    if (nsize > osize && owner->limit != 0) {
        if (nsize > owner->limit || others > owner->limit - nsize)
            return nullptr;
        if (nsize > DocumentScriptState::maxAllocated - owner->allocated)
            return nullptr;
        owner->allocated += nsize;
    }
    void* block = std::realloc(ptr, nsize);
    if (block)
        owner->used = others + nsize;
    return block;
}

// How often the instruction count is checked.
static const int hookInterval = 100;

// Stops a document that runs too long.
static void instructionHook(lua_State* L, lua_Debug*) {
    void* ud = nullptr;
    lua_getallocf(L, &ud);
    DocumentScriptState* owner = static_cast<DocumentScriptState*>(ud);
    owner->executed += hookInterval;
    if (DocumentScriptState::whileRunning)
        DocumentScriptState::whileRunning();
    if (owner->executed > DocumentScriptState::maxInstructions)
        luaL_error(L, "document runs too long");
}

void (*DocumentScriptState::whileRunning)() = nullptr;

DocumentScriptState::DocumentScriptState() {
    limit = maxMemory;
    L = lua_newstate(boundedAlloc, this);
}

DocumentScriptState::~DocumentScriptState() {
    if (L)
        lua_close(L);
}

bool DocumentScriptState::load(std::string name, size_t maxBytes) {
    message.clear();
    if (!L) {
        message = "no script state";
        return false;
    }
    limit = maxMemory;
    return run(loadDocument(L, name.c_str(), maxBytes));
}

bool DocumentScriptState::loadText(const std::string& text, const std::string& chunkName) {
    message.clear();
    if (!L) {
        message = "no script state";
        return false;
    }
    // As for files: a precompiled chunk is never one of ours.
    if (!text.empty() && text[0] == LUA_SIGNATURE[0]) {
        message = "precompiled chunks are not accepted";
        return false;
    }
    limit = maxMemory;
    return run(luaL_loadbuffer(L, text.data(), text.size(), chunkName.c_str()));
}

bool DocumentScriptState::loadDocumentText(const std::string& bytes, const std::string& name, size_t maxBytes) {
    message.clear();
    if (!L) {
        message = "no script state";
        return false;
    }
    if (maxBytes > 0 && bytes.size() > maxBytes) {
        std::string refusal = "cannot read " + name + ": larger than " + std::to_string(maxBytes) + " bytes";
        lua_pushlstring(L, refusal.data(), refusal.size());
        return run(LUA_ERRFILE);
    }
    // A "#" first line is skipped; a line end stands for it, so that line
    // numbers stay right.
    size_t start = 0;
    if (!bytes.empty() && bytes[0] == '#') {
        size_t end = bytes.find('\n');
        start = end == std::string::npos ? bytes.size() : end + 1;
    }
    if (start < bytes.size() && bytes[start] == LUA_SIGNATURE[0]) {
        std::string refusal = "cannot load " + name + ": precompiled chunks are not accepted";
        lua_pushlstring(L, refusal.data(), refusal.size());
        return run(LUA_ERRFILE);
    }
    std::string chunk = start > 0 ? "\n" + bytes.substr(start) : std::string();
    const std::string& text = start > 0 ? chunk : bytes;
    std::string chunkName = "@" + name;
    limit = maxMemory;
    return run(luaL_loadbuffer(L, text.data(), text.size(), chunkName.c_str()));
}

bool DocumentScriptState::run(int status) {
    executed = 0;
    allocated = 0;
    lua_sethook(L, instructionHook, LUA_MASKCOUNT, hookInterval);
    if (status == 0)
        status = lua_pcall(L, 0, 0, 0);
    if (status != 0) {
        const char* text = lua_tostring(L, -1);
        message = text ? text : "(error object is not a string)";
        lua_pop(L, 1);
    }
    lua_sethook(L, nullptr, 0, 0);
    // Reading the globals must not fail for want of memory.
    limit = 0;
    return status == 0;
}
