// The constant tables of the embedded script store, generated at build time
// from the files under data/: paths (ending with a null entry), texts (not
// zero-terminated in meaning: use the size) and sizes, in one fixed order.
#pragma once

extern const char* const luaScriptPaths[];
extern const char* const luaScriptTexts[];
extern const unsigned int luaScriptSizes[];
