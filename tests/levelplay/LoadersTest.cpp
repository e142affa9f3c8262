// Loaders: chunks and modules come from the embedded store only, never
// precompiled; io reads only the resource folder; os cannot touch the system;
// the library list of every state.
#include <gtest/gtest.h>

#include "ScriptTestState.h"
#include "support/TempGameDir.h"

TEST(Loaders, LibrariesOfEveryState) {
    ScriptTestState s;
    for (const char* name : {"zorbix", "package", "table", "io", "os", "string", "math", "debug"})
        EXPECT_EQ(s.eval(std::string("type(") + name + ")"), "table") << name;
    EXPECT_EQ(s.eval("type(print)"), "function");
    EXPECT_EQ(s.eval("#package.loaders"), "5");
    EXPECT_EQ(s.eval("package.path"),
              "./?.lua;/usr/local/share/lua/5.1/?.lua;"
              "/usr/local/share/lua/5.1/?/init.lua;"
              "/usr/local/lib/lua/5.1/?.lua;/usr/local/lib/lua/5.1/?/init.lua");
}

TEST(Loaders, RequireOfAStorePathRunsItOnce) {
    ScriptTestState s;
    ASSERT_EQ(s.run("luaEntities = {'kept'}\n"
                    "require('/data/entities/LuaEntity')\n"
                    "LuaEntity.marker = 1\n"
                    "require('/data/entities/LuaEntity')"),
              "");
    // A second run would have made a fresh LuaEntity table.
    EXPECT_EQ(s.eval("LuaEntity.marker"), "1");
    EXPECT_EQ(s.eval("luaEntities[1]"), "kept");
    // The full path with its ending is found by the first loader.
    EXPECT_EQ(s.run("require('/data/entities/LuaEntity.lua')"), "");
    EXPECT_EQ(s.eval("type(package.loaded['/data/entities/LuaEntity.lua'])"), "boolean");
}

TEST(Loaders, ModuleNotFoundListsEveryCandidate) {
    ScriptTestState s;
    std::string message = s.run("require('/data/entities/Nothing')");
    EXPECT_NE(message.find("module '/data/entities/Nothing' not found:\n"
                           "\tno field package.preload['/data/entities/Nothing']\n"
                           "\tno file './/data/entities/Nothing.lua'\n"
                           "\tno file '/usr/local/share/lua/5.1//data/entities/Nothing.lua'\n"),
              std::string::npos)
        << message;
    EXPECT_NE(message.find("\tno file '/usr/local/lib/lua/5.1/loadall.so'"), std::string::npos);
    // Dotted names become paths; the root loader adds the part before the dot.
    message = s.run("require('a.b')");
    EXPECT_NE(message.find("\tno file './a/b.lua'"), std::string::npos) << message;
    EXPECT_NE(message.find("\tno file './a.so'"), std::string::npos) << message;
    s.run("package.path = 5");  // numbers pass as text, as in stock Lua
    EXPECT_NE(s.run("require('x')").find("no file '5'"), std::string::npos);
    s.run("package.path = {}");
    EXPECT_NE(s.run("require('x')").find("'package.path' must be a string"), std::string::npos);
}

TEST(Loaders, PackagePathTemplatesSearchTheStore) {
    ScriptTestState s;
    EXPECT_EQ(s.run("package.path = 'nowhere/?.lua;;/data/entities/?.lua'\n"
                    "require('LuaEntity')"),
              "");
    EXPECT_EQ(s.eval("type(LuaEntity.new)"), "function");
    s.run("package.cpath = '/data/entities/?.lua'");
    std::string message = s.run("require('LuaEntity2')");
    EXPECT_NE(message.find("no file '/data/entities/LuaEntity2.lua'"), std::string::npos);
    // A store match through package.cpath cannot be loaded as a native module.
    message = s.run("package.loaded.LuaEntity = nil package.path = '' require('LuaEntity')");
    EXPECT_NE(message.find("dynamic libraries not enabled"), std::string::npos) << message;
}

TEST(Loaders, ChunkLoadersReadOnlyTheStore) {
    ScriptTestState s;
    EXPECT_EQ(s.eval("type(loadfile('/data/entities/LuaEntity.lua'))"), "function");
    EXPECT_EQ(s.eval("select(2, loadfile('/etc/passwd'))"),
              "cannot open /etc/passwd: not in the embedded script store");
    // No name would mean the standard input: refused with a clear message.
    EXPECT_NE(s.eval("select(2, loadfile())").find("cannot open stdin"), std::string::npos);
    EXPECT_NE(s.run("dofile()").find("cannot open stdin"), std::string::npos);
    ASSERT_EQ(luaL_loadfile(s.L, nullptr), LUA_ERRFILE);
    lua_settop(s.L, 0);
    // Errors in a store chunk name it as a string chunk with its path.
    EXPECT_EQ(luaL_loadbuffer(s.L, "x = = 1", 7, "/data/x.lua"), LUA_ERRSYNTAX);
    EXPECT_EQ(std::string(lua_tostring(s.L, -1)).find("[string \"/data/x.lua\"]:1:"), 0u);
    lua_settop(s.L, 0);
}

TEST(Loaders, IoOpenReadsTheResourceFolder) {
    TempGameDir dir;
    dir.writeResource("hello.txt", "first line\nsecond\n");
    ScriptTestState s;
    EXPECT_EQ(s.eval("(function() local f = io.open('/hello.txt') local l = f:read('*l') "
                     "f:close() return l end)()"),
              "first line");
    EXPECT_EQ(s.eval("io.type(io.open('./hello.txt', 'rb'))"), "file");
    EXPECT_EQ(s.eval("select(2, io.open('/absent.txt'))"), "/absent.txt: No such file or directory");
    EXPECT_EQ(s.eval("select('#', io.open('/absent.txt'))"), "3");
    EXPECT_NE(s.run("io.open()").find("bad argument #1 to 'open'"), std::string::npos);
    // Names and modes built at run time stay alive while the file is opened
    // and the message written, even when a collection runs in between.
    EXPECT_EQ(s.eval("(function() collectgarbage('setpause', 0) collectgarbage('setstepmul', 1000000) "
                     "local m for i = 1, 20 do m = select(2, io.open('/absent' .. i .. '.txt', "
                     "string.char(114))) end collectgarbage('setpause', 200) "
                     "collectgarbage('setstepmul', 200) return m end)()"),
              "/absent20.txt: No such file or directory");
}

TEST(Loaders, IoNeverLeavesTheResourceFolder) {
    TempGameDir dir;
    dir.writeResource("hello.txt", "first line\nsecond\n");
    dir.writeDocument("secret.txt", "player data\n");
    ScriptTestState s;
    // Every way of naming a file outside the folder is refused or stays inside.
    for (const char* name : {"/../../../../etc/hostname", "../data/secret.txt", "/../data/secret.txt",
                             "/x/../../data/secret.txt", "..", "/etc/hostname"}) {
        std::string quoted = std::string("'") + name + "'";
        EXPECT_EQ(s.eval("io.open(" + quoted + ")"), "nil") << name;
        EXPECT_NE(s.run("io.lines(" + quoted + ")"), "") << name;
        EXPECT_NE(s.run("io.input(" + quoted + ")"), "") << name;
        EXPECT_NE(s.run("io.output(" + quoted + ")"), "") << name;
    }
    EXPECT_EQ(s.eval("select(2, io.open('/../data/secret.txt'))"), "/../data/secret.txt: Permission denied");
    EXPECT_NE(s.run("io.lines('/../x')").find("bad argument #1 to 'lines' (/../x: Permission denied)"),
              std::string::npos);
    EXPECT_EQ(s.eval("io.open('/x\\0/../../data/secret.txt')"), "nil");
    // A name without its leading "/" still names a file inside.
    dir.write("app/nativehello.txt", "beside the folder\n");
    EXPECT_EQ(s.eval("io.open('hello.txt'):read('*l')"), "first line");

    // Names inside work as in stock Lua: io.lines closes its file at the end,
    // io.input makes the default input, handles close normally.
    EXPECT_EQ(s.eval("(function() local t, it = {}, io.lines('/hello.txt') for l in it do "
                     "t[#t + 1] = l end return table.concat(t, '+') .. ' ' .. select(2, pcall(it)) end)()"),
              "first line+second file is already closed");
    EXPECT_EQ(s.eval("(function() local old = io.input() io.input('/hello.txt') "
                     "local l = io.read('*l') io.input():close() io.input(old) return l end)()"),
              "first line");
    EXPECT_EQ(s.eval("io.open('/hello.txt'):close()"), "true");
    EXPECT_NE(s.run("local f = io.open('/hello.txt') f:close() io.input(f)").find("closed file"), std::string::npos);
    EXPECT_EQ(s.eval("io.type(io.output())"), "file");
}

TEST(Loaders, NoScriptRunsCommandsOrReadsTheClock) {
    ScriptTestState s;
    for (const char* name : {"os.execute", "os.exit", "os.remove", "os.rename", "os.tmpname", "os.setlocale", "os.time",
                             "os.clock", "os.date", "io.popen"})
        EXPECT_EQ(s.eval(std::string("type(") + name + ")"), "nil") << name;
    EXPECT_EQ(s.eval("type(os.getenv)"), "function");
    EXPECT_EQ(s.eval("type(io.read)"), "function");
}

TEST(Loaders, PrecompiledChunksAreRefusedEverywhere) {
    ScriptTestState s;
    ASSERT_EQ(s.run("bytes = string.dump(function() return 7 end)"), "");
    EXPECT_EQ(s.eval("select(2, loadstring(bytes))"), "binary string: precompiled chunks are not accepted");
    EXPECT_EQ(s.eval("select(2, loadstring(bytes, '=named'))"), "named: precompiled chunks are not accepted");
    EXPECT_EQ(s.eval("select(2, load(function() local b = bytes bytes = nil return b end))"),
              "(load): precompiled chunks are not accepted");
    ASSERT_EQ(luaL_loadbuffer(s.L, "\x1bLua\x51", 5, "@chunk"), LUA_ERRSYNTAX);
    EXPECT_STREQ(lua_tostring(s.L, -1), "chunk: precompiled chunks are not accepted");
    lua_settop(s.L, 0);
    // Text chunks still load.
    EXPECT_EQ(s.eval("loadstring('return 7')()"), "7");
}
