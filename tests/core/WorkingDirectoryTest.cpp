// The game's paths follow the working directory wherever it moves: a kept path
// must never outlive a change of directory.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/myfopen.h"

namespace {

std::string currentDirectory() {
    char buffer[4096];
    return getcwd(buffer, sizeof buffer) ? buffer : "";
}

}  // namespace

TEST(WorkingDirectory, PathsFollowEveryMove) {
    std::string previous = currentDirectory();
    char pattern[] = "/tmp/zorbix_cwd_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    std::string root = pattern;
    std::string a = root + "/a", b = root + "/b", c = root + "/c";
    ASSERT_EQ(mkdir(a.c_str(), 0700), 0);
    ASSERT_EQ(mkdir(b.c_str(), 0700), 0);

    // Each step moves, renames or removes folders; then the resource path must
    // be built on the folder we are in ("" once it is gone).
    struct Step {
        const char* what;
        bool (*act)(const std::string& root);
        std::string inside;
    };
    const Step steps[] = {
        {"enter a", [](const std::string& r) { return chdir((r + "/a").c_str()) == 0; }, a},
        {"enter b", [](const std::string& r) { return chdir((r + "/b").c_str()) == 0; }, b},
        {"back to a", [](const std::string& r) { return chdir((r + "/a").c_str()) == 0; }, a},
        {"a renamed to c while inside",
         [](const std::string& r) { return rename((r + "/a").c_str(), (r + "/c").c_str()) == 0; }, c},
        {"a made again while inside c", [](const std::string& r) { return mkdir((r + "/a").c_str(), 0700) == 0; }, c},
        {"c removed while inside", [](const std::string& r) { return rmdir((r + "/c").c_str()) == 0; }, ""},
        {"enter the new a", [](const std::string& r) { return chdir((r + "/a").c_str()) == 0; }, a},
    };
    for (const Step& step : steps) {
        ASSERT_TRUE(step.act(root)) << step.what;
        std::string expected = step.inside.empty() ? "" : step.inside + "/app/native/x.wav";
        EXPECT_EQ(pathToRessource("/x.wav"), expected) << step.what;
        // Asked again: the answer now comes from what the first one kept.
        EXPECT_EQ(pathToRessource("/x.wav"), expected) << step.what;
    }

    ASSERT_EQ(chdir(previous.c_str()), 0);
    std::string command = "rm -rf '" + root + "'";
    EXPECT_EQ(std::system(command.c_str()), 0);
}
