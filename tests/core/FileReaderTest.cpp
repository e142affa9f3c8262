// Documents read whole and handed out by lines, integers and raw bytes; paths.
#include <gtest/gtest.h>

#include <cerrno>
#include <vector>

#include "core/FileReader.h"
#include "core/myfopen.h"
#include "support/TempGameDir.h"

static std::vector<std::string> allLines(FileReader& reader) {
    std::vector<std::string> lines;
    std::string line;
    while (reader.getNextString(&line))
        lines.push_back(line);
    return lines;
}

TEST(FileReader, LineEnds) {
    TempGameDir work;
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"a\r\nb\n", {"a", "b"}},
        {"a\n\rb\n", {"a", "b"}},
        {"a\r\rb\r", {"a", "b"}},
        {"a\n\nb\n", {"a", "b"}},        // the empty line goes with the first line end
        {"a\n\n\nb\n", {"a", "", "b"}},  // only two line-end bytes are skipped
        {"a\nlast", {"a", "last"}},      // no final line end: the data ends the line
        {"one", {"one"}},
        {"\n", {""}},
        {"x\n\n", {"x"}},
    };
    for (const Case& c : cases) {
        work.write("data/lines.txt", c.bytes);
        FileReader reader("lines.txt");
        EXPECT_FALSE(reader.hasFailedToOpen());
        EXPECT_EQ(allLines(reader), c.lines) << testing::PrintToString(c.bytes);
        EXPECT_TRUE(reader.isFinished());
        EXPECT_EQ(reader.getBytesLeftCount(), 0);
    }
}

TEST(FileReader, NextInt) {
    TempGameDir work;
    work.write("data/ints.txt", "42abc\nletters\n  -7\n+3\n99999999999\n");
    FileReader reader("ints.txt");
    int value = 5;
    EXPECT_TRUE(reader.getNextInt(&value));
    EXPECT_EQ(value, 42);
    EXPECT_FALSE(reader.getNextInt(&value));
    EXPECT_EQ(value, 42);
    EXPECT_TRUE(reader.getNextInt(&value));
    EXPECT_EQ(value, -7);
    EXPECT_TRUE(reader.getNextInt(&value));
    EXPECT_EQ(value, 3);
    EXPECT_FALSE(reader.getNextInt(&value));  // does not fit an int
    EXPECT_EQ(value, 3);
    EXPECT_FALSE(reader.getNextInt(&value));  // no line left
    EXPECT_EQ(value, 3);
}

TEST(FileReader, MissingAndEmptyFiles) {
    TempGameDir work;
    FileReader missing("nothing.txt");
    EXPECT_TRUE(missing.hasFailedToOpen());
    EXPECT_TRUE(missing.isFinished());
    EXPECT_TRUE(missing.isEmpty());
    std::string line;
    EXPECT_FALSE(missing.getNextString(&line));

    work.write("data/empty.txt", "");
    FileReader empty("empty.txt");
    EXPECT_FALSE(empty.hasFailedToOpen());
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_TRUE(empty.isFinished());
    EXPECT_FALSE(empty.getNextString(&line));
    int value = 1;
    EXPECT_FALSE(empty.getNextInt(&value));

    // A directory opens but cannot be read: a failed open, not a crash, and
    // it says so.
    mkdir("data/folder.txt", 0755);
    FileReader folder("folder.txt");
    EXPECT_TRUE(folder.hasFailedToOpen());
    EXPECT_EQ(folder.getOpenError(), EISDIR);
    EXPECT_EQ(folder.getReadError(), "it is a folder");

    // A document with no end is read only up to the bound.
    ASSERT_EQ(symlink("/dev/zero", "data/zero.txt"), 0);
    FileReader endless("zero.txt");
    EXPECT_TRUE(endless.hasFailedToOpen());
    EXPECT_EQ(endless.getReadError(), "larger than 16777216 bytes");
}

// A replay's binary block starts right after the count line; its first bytes may be 10 or 13.
TEST(FileReader, RawBytesAfterExactlyOneLineEnd) {
    TempGameDir work;
    const std::string header = "seed\n3\n";
    const std::string block("\n\r\x00\x07", 4);
    work.write("data/replay.txt", header + block);
    FileReader reader("replay.txt");
    std::string line;
    ASSERT_TRUE(reader.getNextString(&line));
    EXPECT_EQ(line, "seed");
    ASSERT_TRUE(reader.getNextStringBeforeRawBytes(&line));
    EXPECT_EQ(line, "3");
    ASSERT_EQ(reader.getBytesLeftCount(), 4);
    EXPECT_EQ(std::string(reader.getCurrentPtr(), 4), block);

    work.write("data/crlf.txt", std::string("7\r\n\n\x01", 5));
    FileReader crlf("crlf.txt");
    ASSERT_TRUE(crlf.getNextStringBeforeRawBytes(&line));
    EXPECT_EQ(line, "7");
    ASSERT_EQ(crlf.getBytesLeftCount(), 2);
    EXPECT_EQ(crlf.getCurrentPtr()[0], '\n');

    work.write("data/short.txt", "5");
    FileReader shortFile("short.txt");
    ASSERT_TRUE(shortFile.getNextStringBeforeRawBytes(&line));
    EXPECT_EQ(line, "5");
    EXPECT_EQ(shortFile.getBytesLeftCount(), 0);
    EXPECT_TRUE(shortFile.isFinished());
}

TEST(Paths, ResourceAndDocumentPaths) {
    TempGameDir work;
    work.write("app/native/x.wav", "RIFF");
    EXPECT_EQ(pathToRessource("./x.wav"), pathToRessource("/x.wav"));
    EXPECT_EQ(pathToRessource("/x.wav"), work.root + "/app/native/x.wav");
    // No resource path leaves the folder.
    EXPECT_EQ(pathToRessource("x.wav"), work.root + "/app/native/x.wav");
    EXPECT_EQ(pathToRessource("/a..b/..c"), work.root + "/app/native/a..b/..c");
    for (const char* outside : {"/../data/prefs.txt", "../x", "/a/../../x", "/..", "./../x"})
        EXPECT_EQ(pathToRessource(outside), "") << outside;
    EXPECT_EQ(pathToRessource(std::string("/x\0/../../y", 12)), "");
    EXPECT_EQ(myFopenForRessource("/../app/native/x.wav", "rb"), nullptr);
    EXPECT_EQ(pathToDocument("prefs.txt"), work.root + "/data/prefs.txt");
    // Documents live under data/ in the working directory unless a folder is named.
    {
        std::string named = getenv("ZORBIX_DOCUMENTS");
        unsetenv("ZORBIX_DOCUMENTS");
        EXPECT_EQ(pathToDocument("prefs.txt"), work.root + "/data/prefs.txt");
        setenv("ZORBIX_DOCUMENTS", "", 1);
        EXPECT_EQ(pathToDocument("prefs.txt"), work.root + "/data/prefs.txt");
        setenv("ZORBIX_DOCUMENTS", "/elsewhere/docs", 1);
        EXPECT_EQ(pathToDocument("prefs.txt"), "/elsewhere/docs/prefs.txt");
        setenv("ZORBIX_DOCUMENTS", named.c_str(), 1);
    }
    FILE* f = myFopenForRessource("./x.wav", "rb");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(getFileSize(f), 4);
    EXPECT_EQ(ftell(f), 0);
    fclose(f);

    // Long names are not cut short.
    std::string longName(3000, 'n');
    EXPECT_EQ(pathToDocument(longName).size(), work.root.size() + 6 + longName.size());

    FILE* doc = myFopenForDocument("note.txt", "wb");
    ASSERT_NE(doc, nullptr);
    fclose(doc);
    EXPECT_EQ(myRenameForDocument("note.txt", "moved.txt"), 0);
    std::vector<std::string> names = listDocuments();
    EXPECT_NE(std::find(names.begin(), names.end(), "moved.txt"), names.end());
    EXPECT_EQ(myRemoveForDocument("moved.txt"), 0);
    EXPECT_NE(myRemoveForDocument("moved.txt"), 0);
}
