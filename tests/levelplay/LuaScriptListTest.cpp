// The embedded store: every file under data/ is there, byte for byte, and
// looked up with the dot-slash rule.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "script/LuaScriptList.h"

static std::string readSourceFile(const std::string& relative) {
    std::ifstream in(std::string(ZORBIX_SOURCE_DIR) + "/" + relative, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(LuaScriptList, StoresTheTextAndSizeOfDataFiles) {
    LuaScriptList* store = LuaScriptList::getInstance();
    unsigned int size = 12345;
    const char* text = store->getLuaScript("/data/entities/LuaEntity.lua", &size);
    ASSERT_NE(text, nullptr);
    std::string onDisk = readSourceFile("data/entities/LuaEntity.lua");
    ASSERT_EQ(size, onDisk.size());
    EXPECT_EQ(std::string(text, size), onDisk);
}

TEST(LuaScriptList, PathsAreSortedAndUnique) {
    LuaScriptList* store = LuaScriptList::getInstance();
    ASSERT_GT(store->getNumberOfScripts(), 0);
    for (int i = 1; i < store->getNumberOfScripts(); i++)
        EXPECT_LT(store->getPath(i - 1), store->getPath(i));
    for (int i = 0; i < store->getNumberOfScripts(); i++)
        EXPECT_EQ(store->getPath(i).compare(0, 6, "/data/"), 0) << store->getPath(i);
}

TEST(LuaScriptList, LookupRules) {
    LuaScriptList* store = LuaScriptList::getInstance();
    struct Case {
        const char* path;
        bool found;
    } cases[] = {
        {"/data/entities/LuaEntity.lua", true},
        {".//data/entities/LuaEntity.lua", true},   // what "./?.lua" builds
        {"x//data/entities/LuaEntity.lua", false},  // only a leading dot is skipped
        {"./data/entities/LuaEntity.lua", false},   // the dot rule eats the slash
        {"/data/entities/LuaEntity", false},
        {"/data/entities/luaentity.lua", false},
        {"data/entities/LuaEntity.lua", false},
        {"", false},
        {".", false},
        {"..", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(store->fileExist(c.path), c.found) << c.path;
        unsigned int size = 777;
        const char* text = store->getLuaScript(c.path, &size);
        EXPECT_EQ(text != nullptr, c.found) << c.path;
        if (!c.found) {
            EXPECT_EQ(size, 777u) << c.path;
        }
    }
    // A failed lookup does not add the path.
    EXPECT_FALSE(store->fileExist("/data/entities/LuaEntity"));
}
