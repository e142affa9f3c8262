// Chunk loaders and module loaders: scripts come from the embedded store,
// saved documents from the documents folder; nothing else is ever read.
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "core/myfopen.h"
#include "script/LuaRuntime.h"
#include "script/LuaScriptList.h"

extern "C" {
#include "ldo.h"
}

static const char* const precompiledRefusal = "precompiled chunks are not accepted";

// Takes the place of the binary chunk reader in every lua_load (the runtime
// is built so): the reader trusts its input, and a forged chunk can make it
// read or allocate out of bounds. Nothing in the game is precompiled, so
// loadstring, load, loadfile, dofile, require and the document loader all
// refuse such a chunk with a syntax error.
extern "C" Proto* zorbix_refusePrecompiledChunk(lua_State* L, ZIO*, Mbuffer*, const char* name) {
    if (*name == '@' || *name == '=')
        name++;
    else if (*name == LUA_SIGNATURE[0])
        name = "binary string";
    lua_pushfstring(L, "%s: %s", name, precompiledRefusal);
    luaD_throw(L, LUA_ERRSYNTAX);
    return nullptr;
}

// Whether a chunk text, after an optional "#" first line, is precompiled.
static bool isPrecompiled(const char* text, size_t size) {
    size_t start = 0;
    if (size > 0 && text[0] == '#') {
        const char* end = static_cast<const char*>(std::memchr(text, '\n', size));
        start = end ? end - text + 1 : size;
    }
    return start < size && text[start] == LUA_SIGNATURE[0];
}

LUALIB_API int luaL_loadfile(lua_State* L, const char* filename) {
    if (!filename) {
        lua_pushliteral(L, "cannot open stdin: scripts are only read from the embedded store");
        return LUA_ERRFILE;
    }
    unsigned int size = 0;
    const char* text = LuaScriptList::getInstance()->getLuaScript(filename, &size);
    if (!text) {
        lua_pushfstring(L, "cannot open %s: not in the embedded script store", filename);
        return LUA_ERRFILE;
    }
    if (isPrecompiled(text, size)) {
        lua_pushfstring(L, "cannot load %s: %s", filename, precompiledRefusal);
        return LUA_ERRFILE;
    }
    return luaL_loadbuffer(L, text, size, filename);
}

namespace {
struct DocumentReader {
    FILE* f;
    bool extraLine;
    size_t left;  // bytes the document may still have
    bool tooLarge;
    char buffer[LUAL_BUFFERSIZE];
};
}  // namespace

static const char* readDocument(lua_State*, void* ud, size_t* size) {
    DocumentReader* reader = static_cast<DocumentReader*>(ud);
    if (reader->extraLine) {
        // Stands for the skipped first line, so that line numbers stay right.
        reader->extraLine = false;
        *size = 1;
        return "\n";
    }
    if (feof(reader->f) || reader->tooLarge)
        return nullptr;
    *size = fread(reader->buffer, 1, sizeof reader->buffer, reader->f);
    if (*size > reader->left) {
        // A file that grew after its size was checked, or one that is not a
        // regular file: the text ends here and the load fails.
        reader->tooLarge = true;
        return nullptr;
    }
    reader->left -= *size;
    return *size > 0 ? reader->buffer : nullptr;
}

// Replaces the chunk name at nameIndex with "cannot <what> <file>: <reason>".
static int fileError(lua_State* L, const char* what, int nameIndex, const char* reason) {
    const char* filename = lua_tostring(L, nameIndex) + 1;
    lua_pushfstring(L, "cannot %s %s: %s", what, filename, reason);
    lua_remove(L, nameIndex);
    return LUA_ERRFILE;
}

LUALIB_API int luaL_loadfileAmongDocuments(lua_State* L, const char* filename) { return loadDocument(L, filename, 0); }

int loadDocument(lua_State* L, const char* filename, size_t maxBytes) {
    int nameIndex = lua_gettop(L) + 1;
    DocumentReader reader;
    reader.extraLine = false;
    reader.tooLarge = false;
    reader.left = maxBytes > 0 ? maxBytes : (size_t)-1;
    if (!filename) {
        lua_pushliteral(L, "=stdin");
        reader.f = myStdin;
    } else {
        lua_pushfstring(L, "@%s", filename);
        reader.f = myFopenForDocument(filename, "r");
        if (!reader.f)
            return fileError(L, "open", nameIndex, std::strerror(errno));
    }
    // A larger file is refused before any of it is parsed.
    struct stat file;
    std::string tooLarge = "larger than " + std::to_string(maxBytes) + " bytes";
    if (maxBytes > 0 && fstat(fileno(reader.f), &file) == 0 && (unsigned long long)file.st_size > maxBytes)
        reader.tooLarge = true;
    int c = reader.tooLarge ? EOF : getc(reader.f);
    if (c == '#') {
        reader.extraLine = true;
        // The skipped line counts toward the size, its "#" and end included.
        reader.left--;
        while ((c = getc(reader.f)) != EOF) {
            if (reader.left == 0) {
                reader.tooLarge = true;
                break;
            }
            reader.left--;
            if (c == '\n') {
                c = getc(reader.f);
                break;
            }
        }
    }
    // Documents are data written as text; a precompiled chunk is never one
    // of ours, and loading one could run arbitrary byte code.
    const char* refusal = reader.tooLarge ? tooLarge.c_str() : c == LUA_SIGNATURE[0] ? precompiledRefusal : nullptr;
    if (refusal) {
        if (filename)
            fclose(reader.f);
        return fileError(L, reader.tooLarge ? "read" : "load", nameIndex, refusal);
    }
    ungetc(c, reader.f);
    int status = lua_load(L, readDocument, &reader, lua_tostring(L, -1));
    int readError = ferror(reader.f);
    if (filename)
        fclose(reader.f);
    if (readError || reader.tooLarge) {
        lua_settop(L, nameIndex);
        return fileError(L, "read", nameIndex, readError ? std::strerror(errno) : tooLarge.c_str());
    }
    lua_remove(L, nameIndex);
    return status;
}

// "error loading module '<name>' from file '<file>':\n\t<message at the top>"
static void loadError(lua_State* L, const char* filename) {
    luaL_error(L, "error loading module " LUA_QS " from file " LUA_QS ":\n\t%s", lua_tostring(L, 1), filename,
               lua_tostring(L, -1));
}

// Finds the first store path that a template of package[field] gives for
// name (dots turned into slashes). When none exists, returns null and leaves
// on the stack the list of candidates tried, one "\n\tno file '...'" each.
// The package table is upvalue 1 of the calling loader.
static const char* findFile(lua_State* L, const char* name, const char* field) {
    name = luaL_gsub(L, name, ".", LUA_DIRSEP);
    lua_getfield(L, lua_upvalueindex(1), field);
    const char* path = lua_tostring(L, -1);
    if (!path)
        luaL_error(L, LUA_QL("package.%s") " must be a string", field);
    lua_pushliteral(L, "");
    LuaScriptList* store = LuaScriptList::getInstance();
    for (;;) {
        while (*path == *LUA_PATHSEP)
            path++;
        if (*path == '\0')
            return nullptr;
        const char* end = std::strchr(path, *LUA_PATHSEP);
        if (!end)
            end = path + std::strlen(path);
        lua_pushlstring(L, path, end - path);
        path = end;
        const char* candidate = luaL_gsub(L, lua_tostring(L, -1), LUA_PATH_MARK, name);
        lua_remove(L, -2);
        if (store->fileExist(candidate))
            return candidate;
        lua_pushfstring(L, "\n\tno file " LUA_QS, candidate);
        lua_remove(L, -2);
        lua_concat(L, 2);
    }
}

// A module name that is itself a stored path (with or without ".lua").
static int loader_memory(lua_State* L) {
    const char* name = luaL_checkstring(L, 1);
    if (!LuaScriptList::getInstance()->fileExist(name))
        return 0;
    if (luaL_loadfile(L, name) != 0)
        loadError(L, name);
    return 1;
}

// A module found through the templates of package.path.
static int loader_Lua(lua_State* L) {
    const char* name = luaL_checkstring(L, 1);
    const char* filename = findFile(L, name, "path");
    if (!filename)
        return 1;
    if (luaL_loadfile(L, filename) != 0)
        loadError(L, filename);
    return 1;
}

// Native modules cannot be loaded: a match in the store fails as the stock
// loader does when dynamic libraries are not enabled.
static void nativeModuleError(lua_State* L, const char* filename) {
    lua_pushliteral(L, "dynamic libraries not enabled; check your Lua installation");
    loadError(L, filename);
}

static int loader_C(lua_State* L) {
    const char* name = luaL_checkstring(L, 1);
    const char* filename = findFile(L, name, "cpath");
    if (!filename)
        return 1;
    nativeModuleError(L, filename);
    return 0;
}

static int loader_Croot(lua_State* L) {
    const char* name = luaL_checkstring(L, 1);
    const char* dot = std::strchr(name, '.');
    if (!dot)
        return 0;
    lua_pushlstring(L, name, dot - name);
    const char* filename = findFile(L, lua_tostring(L, -1), "cpath");
    if (!filename)
        return 1;
    nativeModuleError(L, filename);
    return 0;
}

void installStoreLoaders(lua_State* L) {
    int package = lua_gettop(L);
    lua_getfield(L, package, "loaders");
    lua_rawgeti(L, -1, 1);  // the stock preload loader
    lua_remove(L, -2);
    lua_createtable(L, 5, 0);
    lua_pushvalue(L, package);
    lua_pushcclosure(L, loader_memory, 1);
    lua_rawseti(L, -2, 1);
    lua_pushvalue(L, -2);
    lua_rawseti(L, -2, 2);
    lua_CFunction others[] = {loader_Lua, loader_C, loader_Croot};
    for (int i = 0; i < 3; i++) {
        lua_pushvalue(L, package);
        lua_pushcclosure(L, others[i], 1);
        lua_rawseti(L, -2, i + 3);
    }
    lua_setfield(L, package, "loaders");
    lua_pop(L, 1);
}
