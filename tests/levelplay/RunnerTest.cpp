// zorbix2-lua: runs a file from disk in the game's runtime; errors exit 1.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "support/TempGameDir.h"

namespace {
struct ToolRun {
    int status = -1;
    std::string out, err;
};

// Runs zorbix2-lua with the arguments (shell words), its two output streams apart.
ToolRun runRunner(TempGameDir& dir, const std::string& arguments) {
    std::string errors = dir.root + "/errors.txt";
    std::string command = std::string(ZORBIX_GAME_DIR) + "/zorbix2-lua " + arguments + " 2>'" + errors + "'";
    ToolRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[256];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, n);
    int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream in(errors);
    run.err.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return run;
}

struct RunResult {
    int status;
    std::string output;
};

// Runs code from a file with one argument, "extra"; what it printed on either
// stream, standard output first.
RunResult runScript(TempGameDir& dir, const std::string& code) {
    std::string script = dir.root + "/script.lua";
    std::ofstream(script) << code;
    ToolRun run = runRunner(dir, "'" + script + "' extra");
    return RunResult{run.status, run.out + run.err};
}

const std::string runner = std::string(ZORBIX_GAME_DIR) + "/zorbix2-lua";
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

// A file that is no readable script is refused in one line naming it and the
// cause, with status 1: a folder, a missing file, a device with no end, a
// file whose read fails.
TEST(Runner, RefusesAFileItCannotRead) {
    TempGameDir dir;
    ASSERT_EQ(mkdir((dir.root + "/folder").c_str(), 0755), 0);
    struct Case {
        std::string file, cause;
    } cases[] = {
        {dir.root + "/folder", "it is a folder"},
        {dir.root + "/missing.lua", "No such file or directory"},
        {"/dev/zero", "larger than 16777216 bytes"},
        {"/proc/self/mem", "Input/output error"},
    };
    for (const Case& c : cases) {
        ToolRun run = runRunner(dir, "'" + c.file + "'");
        EXPECT_EQ(run.status, 1) << c.file;
        EXPECT_EQ(run.err, runner + ": cannot read " + c.file + ": " + c.cause + "\n");
        EXPECT_EQ(run.out, "");
    }
}

// --help prints the usage on the standard output; a wrong call prints it on
// the standard error, with status 2.
TEST(Runner, HelpAndWrongCalls) {
    TempGameDir dir;
    std::string usage = "usage: " + runner + " FILE [ARGS...]\n";
    struct Case {
        std::string arguments;
        int status;
        std::string out, err;
    } cases[] = {
        {"--help", 0, usage, ""},
        {"--help extra", 0, usage, ""},
        {"--verbose", 2, "", usage},
        {"", 2, "", usage},
    };
    for (const Case& c : cases) {
        ToolRun run = runRunner(dir, c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_EQ(run.out, c.out) << c.arguments;
        EXPECT_EQ(run.err, c.err) << c.arguments;
    }
}
