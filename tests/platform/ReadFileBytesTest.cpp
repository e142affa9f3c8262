// Bounded whole-file reads: what a folder, a device, a failing read or a
// too-long line give, and that the bound holds for a file with no end.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <string>
#include <vector>

#include "platform/readFileBytes.h"
#include "support/TempGameDir.h"

TEST(ReadFileBytes, TellsWhyAFileIsNotRead) {
    TempGameDir dir;
    dir.write("ten.txt", "0123456789");
    dir.write("empty.txt", "");
    ASSERT_EQ(mkdir((dir.root + "/folder").c_str(), 0755), 0);
    struct Case {
        std::string path;
        size_t maxBytes;
        std::string bytes, why;  // why is "" when it reads
        int openError;
    } cases[] = {
        {dir.root + "/ten.txt", 10, "0123456789", "", 0},
        {dir.root + "/ten.txt", 9, "", "larger than 9 bytes", 0},
        {dir.root + "/empty.txt", 0, "", "", 0},
        {"/dev/null", 4, "", "", 0},
        {dir.root + "/folder", 100, "", "it is a folder", EISDIR},
        {dir.root + "/missing.txt", 100, "", "No such file or directory", ENOENT},
        // A device with no size and no end: read up to the bound and a byte past it.
        {"/dev/zero", 1000, "", "larger than 1000 bytes", 0},
        // It opens, and its first read fails.
        {"/proc/self/mem", 100, "", "Input/output error", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path + " up to " + std::to_string(c.maxBytes));
        std::string bytes = "old", why;
        int openError = -1;
        EXPECT_EQ(readFileBytes(c.path, c.maxBytes, &bytes, &why, &openError), c.why.empty());
        EXPECT_EQ(bytes, c.bytes);
        EXPECT_EQ(why, c.why);
        EXPECT_EQ(openError, c.openError);
    }
}

TEST(ReadFileBytes, LinesAreSplitAtLineFeedsAndBounded) {
    TempGameDir dir;
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
        std::string why;
    } cases[] = {
        {"a\nb\n", {"a", "b"}, ""},
        {"a\r\n\nlast", {"a\r", "", "last"}, ""},
        {"", {}, ""},
        {"12345678\n", {"12345678"}, ""},
        {"ok\n123456789\n", {}, "line 2 is longer than 8 bytes"},
        {"ok\n123456789", {}, "line 2 is longer than 8 bytes"},
        {std::string(30, '\n'), std::vector<std::string>(30, ""), ""},
        {std::string(31, '\n'), {}, "larger than 30 bytes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        dir.write("lines.txt", c.bytes);
        std::vector<std::string> lines = {"old"};
        std::string why;
        EXPECT_EQ(readFileLines(dir.root + "/lines.txt", 30, 8, &lines, &why), c.why.empty());
        EXPECT_EQ(lines, c.lines);
        EXPECT_EQ(why, c.why);
    }
}
