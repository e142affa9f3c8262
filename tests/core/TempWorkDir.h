// A fresh working directory with data/ and app/native/, left again on destruction.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

class TempWorkDir {
public:
    TempWorkDir() {
        char cwd[4096];
        if (getcwd(cwd, sizeof cwd))
            previous = cwd;
        char pattern[] = "/tmp/zorbix-test-XXXXXX";
        char* made = mkdtemp(pattern);
        EXPECT_NE(made, nullptr);
        dir = made ? made : "/tmp";
        mkdir((dir + "/data").c_str(), 0755);
        mkdir((dir + "/app").c_str(), 0755);
        mkdir((dir + "/app/native").c_str(), 0755);
        EXPECT_EQ(chdir(dir.c_str()), 0);
    }
    ~TempWorkDir() {
        if (!previous.empty()) {
            EXPECT_EQ(chdir(previous.c_str()), 0);
        }
        std::string command = "rm -rf '" + dir + "'";
        if (system(command.c_str()) != 0)
            ADD_FAILURE() << "cannot remove " << dir;
    }

    // Writes a file under the working directory; relative path.
    void write(const std::string& relative, const std::string& bytes) {
        FILE* f = fopen((dir + "/" + relative).c_str(), "wb");
        ASSERT_NE(f, nullptr);
        fwrite(bytes.data(), 1, bytes.size(), f);
        fclose(f);
    }

    std::string dir;
    std::string previous;
};
