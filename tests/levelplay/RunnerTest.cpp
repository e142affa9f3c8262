// zorbix2-lua: runs a file from disk in the game's runtime; errors exit 1.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>

#include "support/TempGameDir.h"

namespace {
struct RunResult {
    int status;
    std::string output;
};

RunResult runScript(TempGameDir& dir, const std::string& code) {
    std::string script = dir.root + "/script.lua";
    std::ofstream(script) << code;
    std::string command = std::string(ZORBIX_GAME_DIR) + "/zorbix2-lua " + script + " extra 2>&1";
    RunResult result{-1, ""};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return result;
    char buffer[256];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.output.append(buffer, n);
    int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}
}  // namespace

TEST(Runner, RunsAScriptWithTheGameRuntime) {
    TempGameDir dir;
    RunResult r = runScript(dir,
                            "require('/data/entities/LuaEntity')\n"
                            "print(7 / 2, 2 ^ 31, type(LuaEntity), type(zorbix), arg[1])\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.output, "3\t2147483647\ttable\ttable\textra\n");
}

TEST(Runner, ScriptErrorPrintsAndExitsOne) {
    TempGameDir dir;
    RunResult r = runScript(dir, "print('before')\nerror('boom')\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.output.find("before\n"), std::string::npos);
    EXPECT_NE(r.output.find("script.lua:2: boom"), std::string::npos) << r.output;
    r = runScript(dir, "x = = 1");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.output.find("script.lua:1:"), std::string::npos) << r.output;
    r = runScript(dir, std::string("\x1bLua\x51\0\xff\xff", 8));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.output.find("script.lua: precompiled chunks are not accepted"), std::string::npos) << r.output;
}
