// The call layer: loading scripts, calling globals, and the readers against
// well-formed and malformed globals (the stack is always left as found).
#include <gtest/gtest.h>

#include "ScriptTestState.h"
#include "script/LuaCommon.h"
#include "support/TempGameDir.h"

TEST(LuaCommon, LoadScriptFromStoreAndDocuments) {
    ScriptTestState s;
    EXPECT_TRUE(loadScript(s.L, "/data/entities/LuaEntity.lua", false));
    EXPECT_EQ(s.eval("type(LuaEntity)"), "table");
    EXPECT_FALSE(loadScript(s.L, "/data/none.lua", false));
    EXPECT_EQ(lua_gettop(s.L), 0);

    TempGameDir dir;
    dir.writeDocument("ok.txt", "#!first line skipped\nvalue = 41 + 1\n");
    dir.writeDocument("syntax.txt", "value = = 3\n");
    dir.writeDocument("runtime.txt", "partial = 5\nerror('stop')\nafter = 1\n");
    EXPECT_TRUE(loadScript(s.L, "ok.txt", true));
    EXPECT_EQ(s.eval("value"), "42");
    EXPECT_FALSE(loadScript(s.L, "syntax.txt", true));
    EXPECT_FALSE(loadScript(s.L, "runtime.txt", true));
    EXPECT_EQ(s.eval("partial"), "5");
    EXPECT_EQ(s.eval("after"), "nil");
    EXPECT_FALSE(loadScript(s.L, "missing.txt", true));
    EXPECT_EQ(lua_gettop(s.L), 0);
}

TEST(LuaCommon, DocumentLoaderMessagesAndRefusals) {
    ScriptTestState s;
    TempGameDir dir;
    ASSERT_EQ(luaL_loadfileAmongDocuments(s.L, "missing.txt"), LUA_ERRFILE);
    EXPECT_STREQ(lua_tostring(s.L, -1), "cannot open missing.txt: No such file or directory");
    lua_settop(s.L, 0);

    dir.writeDocument("bad.txt", "x = \n");
    ASSERT_EQ(luaL_loadfileAmongDocuments(s.L, "bad.txt"), LUA_ERRSYNTAX);
    EXPECT_EQ(std::string(lua_tostring(s.L, -1)).compare(0, 8, "bad.txt:"), 0);
    lua_settop(s.L, 0);

    // A precompiled chunk is refused, also behind a "#" first line.
    ASSERT_EQ(s.run("bytes = string.dump(function() return 1 end)"), "");
    lua_getglobal(s.L, "bytes");
    size_t length = 0;
    const char* bytes = lua_tolstring(s.L, -1, &length);
    dir.writeDocument("binary.txt", std::string(bytes, length));
    dir.writeDocument("binary2.txt", "#x\n" + std::string(bytes, length));
    lua_settop(s.L, 0);
    for (const char* name : {"binary.txt", "binary2.txt"}) {
        ASSERT_EQ(luaL_loadfileAmongDocuments(s.L, name), LUA_ERRFILE) << name;
        EXPECT_NE(std::string(lua_tostring(s.L, -1)).find("precompiled"), std::string::npos);
        lua_settop(s.L, 0);
    }
}

TEST(LuaCommonDeathTest, ExecuteFunctionErrorPrintsAndExitsNonZero) {
    ScriptTestState s;
    ASSERT_EQ(s.run("function init() error('broken level') end"), "");
    EXPECT_EXIT(executeFunction(s.L, "init"), ::testing::ExitedWithCode(1), "broken level");
    EXPECT_EXIT(executeFunction(s.L, "update"), ::testing::ExitedWithCode(1), "update");
}

TEST(LuaCommon, ExecuteFunctionRunsTheGlobal) {
    ScriptTestState s;
    ASSERT_EQ(s.run("calls = 0 function update() calls = calls + 1 end"), "");
    executeFunction(s.L, "update");
    executeFunction(s.L, "update");
    EXPECT_EQ(s.eval("calls"), "2");
    EXPECT_EQ(lua_gettop(s.L), 0);
}

TEST(LuaCommon, SingleValueReaders) {
    ScriptTestState s;
    ASSERT_EQ(s.run("b = true f = false n = 12 sn = '12' bad = '12x' str = 'text' "
                    "t = {1, 2, 3} meta = setmetatable({}, {__index = function() error('x') end}) "
                    "zero = 'a\\0b'"),
              "");
    bool flag = false;
    readBoolean(s.L, "b", &flag, false);
    EXPECT_TRUE(flag);
    readBoolean(s.L, "f", &flag, true);
    EXPECT_FALSE(flag);
    readBoolean(s.L, "n", &flag, true);  // a number is not a boolean
    EXPECT_TRUE(flag);
    readBoolean(s.L, "missing", &flag, false);
    EXPECT_FALSE(flag);

    int value = 0;
    readNumber(s.L, "n", &value, -1);
    EXPECT_EQ(value, 12);
    readNumber(s.L, "sn", &value, -1);
    EXPECT_EQ(value, 12);
    readNumber(s.L, "bad", &value, -1);
    EXPECT_EQ(value, -1);
    readNumber(s.L, "b", &value, -2);
    EXPECT_EQ(value, -2);

    std::string text = "kept";
    readString(s.L, "t", &text);
    EXPECT_EQ(text, "kept");
    readString(s.L, "n", &text);
    EXPECT_EQ(text, "12");
    readString(s.L, "str", &text);
    EXPECT_EQ(text, "text");
    readString(s.L, "zero", &text);
    EXPECT_EQ(text, "a");

    EXPECT_EQ(getSizeOfArray(s.L, "t"), 3);
    EXPECT_EQ(getSizeOfArray(s.L, "str"), 0);
    EXPECT_EQ(getSizeOfArray(s.L, "meta"), 0);
    EXPECT_TRUE(booleanExists(s.L, "f"));
    EXPECT_FALSE(booleanExists(s.L, "n"));
    EXPECT_TRUE(numberExists(s.L, "sn"));
    EXPECT_FALSE(numberExists(s.L, "bad"));
    std::vector<int> all;
    readArray(s.L, "t", &all);
    EXPECT_EQ(all, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(lua_gettop(s.L), 0);
}

TEST(LuaCommon, ArrayReadersOnGraphicLikeGlobals) {
    ScriptTestState s;
    ASSERT_EQ(s.run(R"(
        graphic = {
          { mode = 1, points = {1, -2, 'x', '4', 5}, name = 'frame',
            colors = { {r = 255, g = 0, b = 0, a = 255}, {r = 255, g = 0, b = 0, a = 128},
                       {r = 255, g = 0, b = 0}, 'not a table', {r = 0, g = 51, b = 255, a = 0} } },
          'not a table',
          { points = 17, colors = 3, mode = 'x' },
        }
        notATable = 5
    )"),
              "");
    int mode = -9;
    readArrayThenIndexThenInt(s.L, "graphic", 1, "mode", &mode);
    EXPECT_EQ(mode, 1);
    for (int i : {2, 3, 4, 0, -1}) {
        mode = -9;
        readArrayThenIndexThenInt(s.L, "graphic", i, "mode", &mode);
        EXPECT_EQ(mode, -9) << i;
    }
    readArrayThenIndexThenInt(s.L, "notATable", 1, "mode", &mode);
    readArrayThenIndexThenInt(s.L, "missing", 1, "mode", &mode);
    EXPECT_EQ(mode, -9);

    std::string name = "kept";
    readArrayThenIndexThenString(s.L, "graphic", 1, "name", &name);
    EXPECT_EQ(name, "frame");
    readArrayThenIndexThenString(s.L, "graphic", 3, "name", &name);
    EXPECT_EQ(name, "frame");

    std::vector<int> points{99};
    readArrayThenIndexThenArray(s.L, "graphic", 1, "points", &points);
    EXPECT_EQ(points, (std::vector<int>{99, 1, -2, 0, 4, 5}));
    readArrayThenIndexThenArray(s.L, "graphic", 3, "points", &points);  // a number, not an array
    readArrayThenIndexThenArray(s.L, "graphic", 1, "missing", &points);
    readArrayThenIndexThenArray(s.L, "graphic", 2, "points", &points);
    EXPECT_EQ(points.size(), 6u);

    std::vector<Color> colors;
    readArrayThenIndexThenColors(s.L, "graphic", 1, &colors);
    ASSERT_EQ(colors.size(), 5u);
    EXPECT_EQ(colors[0].r, 1.0f);
    EXPECT_EQ(colors[0].g, 0.0f);
    EXPECT_EQ(colors[0].a, 1.0f);
    EXPECT_EQ(colors[1].r, 1.0f);
    EXPECT_EQ(colors[1].a, (float)(128 / 255.0));
    for (int k : {2, 3}) {  // default: opaque white
        EXPECT_EQ(colors[k].r, 1.0f);
        EXPECT_EQ(colors[k].g, 1.0f);
        EXPECT_EQ(colors[k].b, 1.0f);
        EXPECT_EQ(colors[k].a, 1.0f);
    }
    EXPECT_EQ(colors[4].g, (float)(51 / 255.0));
    EXPECT_EQ(colors[4].a, 0.0f);
    readArrayThenIndexThenColors(s.L, "graphic", 3, &colors);  // "colors" is a number
    readArrayThenIndexThenColors(s.L, "graphic", 2, &colors);
    EXPECT_EQ(colors.size(), 5u);
    EXPECT_EQ(getSizeOfArray(s.L, "graphic"), 3);
    EXPECT_EQ(lua_gettop(s.L), 0);
}

// Every hostile document stops within bounded work: a size cap before any
// parsing, an instruction count while it runs, a memory limit and a cap on the
// bytes allocated in all. One instruction may compare or convert a string as
// long as the memory limit allows, and the count stops a loop of them.
TEST(DocumentScriptState, HostileDocumentsAreRefusedWithinBoundedWork) {
    TempGameDir dir;
    const size_t cap = 64 * 1024;
    // A precompiled header, then a function whose source name claims a
    // length that wraps any size check made by addition.
    std::string forged("\x1bLua\x51\x00\x01\x04\x08\x04\x04\x00", 12);
    forged += std::string("\x24\xff\xff\xff\xff\xff\xff\xff", 8) + "xyz";
    std::string atCap = "marker = 1 --" + std::string(cap - 13, 'x');
    struct Case {
        const char* name;
        std::string text;
        const char* error;  // a part of the message; "" when the load succeeds
        int marker;         // assigned before the document stopped, else 0
    } cases[] = {
        {"2 MB comparison loop", "marker = 1 local s = \"" + std::string(2 << 20, 'x') + "\" while s <= s do end\n",
         "cannot read doc.txt: larger than 65536 bytes", 0},
        {"huge legal string", "marker = 1 s = \"" + std::string(cap, 'x') + "\"\n", "larger than 65536 bytes", 0},
        {"huge first line", "#" + std::string(cap, '!') + "\nmarker = 1\n", "larger than 65536 bytes", 0},
        {"one byte over", atCap + "x", "larger than 65536 bytes", 0},
        {"at the cap", atCap, "", 1},
        {"# first line skipped", "#!x\nmarker = 1\n", "", 1},
        {"forged precompiled chunk", forged, "cannot load doc.txt: precompiled chunks are not accepted", 0},
        {"forged behind a # line", "#!\n" + forged, "precompiled chunks are not accepted", 0},
        {"megabyte string within the cap", "local s = 'xxxxxxxx' for i = 1, 17 do s = s .. s end marker = 1",
         "not enough memory", 0},
        {"comparisons of a long string",
         "local s = 'xxxxxxxx' for i = 1, 12 do s = s .. s end marker = 1 while s <= s do end",
         "document runs too long", 1},
        {"conversions of a long string",
         "local s = '11111111' for i = 1, 9 do s = s .. s end marker = 1 while s + 0 do end", "document runs too long",
         1},
        {"endless loop", "marker = 1 while true do end", "document runs too long", 1},
        {"memory", "marker = 1 local t = {} for i = 1, 10000000 do t[i] = i end", "not enough memory", 1},
        // Each string is small, but copying them all would take minutes.
        {"ever longer strings", "marker = 1 local s = 'x' while true do s = 2 .. s end", "not enough memory", 1},
    };
    // The document's bytes held in memory load as the file does.
    for (bool inMemory : {false, true})
        for (const Case& c : cases) {
            SCOPED_TRACE(inMemory ? "in memory" : "from the file");
            dir.writeDocument("doc.txt", c.text);
            DocumentScriptState document;
            bool ran = inMemory ? document.loadDocumentText(c.text, "doc.txt", cap) : document.load("doc.txt", cap);
            EXPECT_EQ(ran, *c.error == 0) << c.name << ": " << document.error();
            EXPECT_NE(document.error().find(c.error), std::string::npos) << c.name << ": " << document.error();
            int marker = 0;
            readNumber(document.state(), "marker", &marker, 0);
            EXPECT_EQ(marker, c.marker) << c.name;
        }
    // A limit of 0 reads a document of any size.
    dir.writeDocument("doc.txt", "value = '" + std::string(cap, 'x') + "'");
    DocumentScriptState document;
    EXPECT_TRUE(document.load("doc.txt", 0)) << document.error();
}

TEST(DocumentScriptState, AllocatorLimitHoldsForAnyRequest) {
    DocumentScriptState document;
    void* ud = nullptr;
    lua_Alloc alloc = lua_getallocf(document.state(), &ud);
    const size_t before = document.used, room = DocumentScriptState::maxMemory - before;
    // Sizes whose sum with what is in use wraps round (under the sanitizers,
    // a request that reached realloc would stop the test).
    for (size_t huge : {(size_t)0xffffffffffffff24ull, SIZE_MAX, SIZE_MAX - before + 1})
        EXPECT_EQ(alloc(ud, nullptr, 0, huge), nullptr) << huge;
    void* block = alloc(ud, nullptr, 0, 16);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(alloc(ud, block, 16, SIZE_MAX - 8), nullptr);
    EXPECT_EQ(alloc(ud, block, 16, room + 1), nullptr);
    EXPECT_EQ(document.used, before + 16);
    alloc(ud, block, 16, 0);
    EXPECT_EQ(alloc(ud, nullptr, 0, room + 1), nullptr);
    block = alloc(ud, nullptr, 0, room);
    EXPECT_NE(block, nullptr);
    alloc(ud, block, room, 0);
    EXPECT_EQ(document.used, before);
}

TEST(DocumentScriptState, TextInMemoryRunsUnderTheSameLimits) {
    struct Case {
        std::string text;
        const char* error;  // a part of the message; "" when the load succeeds
        int marker;
    } cases[] = {
        {"marker = 1 t = { 'a', 2, }", "", 1},
        {std::string("\x1bLua\x51\x00\x01\x04\x04\x04\x04\x00", 12), "precompiled chunks are not accepted", 0},
        {"marker = 1 while true do end", "document runs too long", 1},
        {"marker = 1 local t = {} for i = 1, 10000000 do t[i] = i end", "not enough memory", 1},
        {"marker = 1 os.execute('true')", "attempt to index global 'os'", 1},
        {"marker = 1 t = {", "unexpected symbol", 0},
    };
    for (const Case& c : cases) {
        DocumentScriptState document;
        EXPECT_EQ(document.loadText(c.text, "doc.txt"), *c.error == 0) << c.text << ": " << document.error();
        EXPECT_NE(document.error().find(c.error), std::string::npos) << c.text << ": " << document.error();
        int marker = 0;
        readNumber(document.state(), "marker", &marker, 0);
        EXPECT_EQ(marker, c.marker) << c.text;
    }
}
