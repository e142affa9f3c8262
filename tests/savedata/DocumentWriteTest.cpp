// The whole-file writer: a failure at any step leaves the old file as it was,
// no temporary file behind, and one line on the standard error stream.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "core/myfopen.h"
#include "support/TempGameDir.h"

namespace {
class DocumentWriteTest : public ::testing::Test {
protected:
    void TearDown() override {
        DocumentWriteFaults::failWrite = false;
        DocumentWriteFaults::failSync = false;
    }
    TempGameDir dir;
};

bool writeNew(FILE* f) { return fputs("new contents\n", f) >= 0; }
}  // namespace

TEST_F(DocumentWriteTest, ReplacesTheFileWhole) {
    dir.writeDocument("doc.txt", "old\n");
    EXPECT_TRUE(writeDocumentWhole("doc.txt", writeNew));
    EXPECT_EQ(dir.readDocument("doc.txt"), "new contents\n");
    EXPECT_FALSE(dir.documentExists("doc.txt.tmp"));
}

TEST_F(DocumentWriteTest, FailuresKeepTheOldFile) {
    struct Case {
        const char* name;
        std::function<void(TempGameDir&)> inject;
        std::function<bool(FILE*)> write;
        int cause;
    };
    std::vector<Case> cases = {
        {"writer reports failure", [](TempGameDir&) {}, [](FILE*) { return false; }, EIO},
        {"failing write", [](TempGameDir&) { DocumentWriteFaults::failWrite = true; }, writeNew, ENOSPC},
        {"failing fsync", [](TempGameDir&) { DocumentWriteFaults::failSync = true; }, writeNew, EIO},
        {"target cannot be replaced",
         [](TempGameDir& d) {
             remove((d.root + "/data/doc.txt").c_str());
             mkdir((d.root + "/data/doc.txt").c_str(), 0700);
             d.write("data/doc.txt/keep", "old\n");
         },
         writeNew, EISDIR},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        dir.writeDocument("doc.txt", "old\n");
        c.inject(dir);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(writeDocumentWhole("doc.txt", c.write));
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "cannot save " + dir.root + "/data/doc.txt: " + strerror(c.cause) + "\n");
        EXPECT_FALSE(dir.documentExists("doc.txt.tmp"));
        struct stat info;
        if (stat((dir.root + "/data/doc.txt").c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
            EXPECT_EQ(dir.readDocument("doc.txt/keep"), "old\n");
            std::string command = "rm -rf '" + dir.root + "/data/doc.txt'";
            ASSERT_EQ(std::system(command.c_str()), 0);
        } else {
            EXPECT_EQ(dir.readDocument("doc.txt"), "old\n");
        }
    }
}

TEST_F(DocumentWriteTest, TemporaryThatCannotBeMadeFailsCleanly) {
    dir.writeDocument("doc.txt", "old\n");
    ASSERT_EQ(mkdir((dir.root + "/data/doc.txt.tmp").c_str(), 0700), 0);
    EXPECT_FALSE(writeDocumentWhole("doc.txt", writeNew));
    EXPECT_EQ(dir.readDocument("doc.txt"), "old\n");
    if (geteuid() != 0) {
        rmdir((dir.root + "/data/doc.txt.tmp").c_str());
        chmod((dir.root + "/data").c_str(), 0500);
        EXPECT_FALSE(writeDocumentWhole("doc.txt", writeNew));
        chmod((dir.root + "/data").c_str(), 0700);
        EXPECT_EQ(dir.readDocument("doc.txt"), "old\n");
    }
}

// A documents folder that is missing is made; one that cannot be (its parent
// is a file, which stops root too) fails the save with its one line.
TEST_F(DocumentWriteTest, AMissingDocumentsFolderIsMade) {
    ASSERT_EQ(rmdir((dir.root + "/data").c_str()), 0);
    EXPECT_TRUE(writeDocumentWhole("doc.txt", writeNew));
    EXPECT_EQ(dir.readDocument("doc.txt"), "new contents\n");

    dir.write("file", "");
    std::string folder = dir.root + "/file/data";
    setenv("ZORBIX_DOCUMENTS", folder.c_str(), 1);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(writeDocumentWhole("doc.txt", writeNew));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "cannot save " + folder + "/doc.txt: Not a directory\n");
}

TEST_F(DocumentWriteTest, BadCopyKeepsEveryByte) {
    std::string bytes("a\0b\r\n\xff", 6);
    dir.writeDocument("doc.txt", bytes);
    EXPECT_EQ(keepDocumentAsBad("doc.txt"), 0);
    EXPECT_EQ(dir.readDocument("doc.txt.bad"), bytes);
    EXPECT_EQ(keepDocumentAsBad("missing.txt"), ENOENT);
}

// A move that fails says why, and the file stands where it was: the caller
// must then not write over it.
TEST_F(DocumentWriteTest, AFailedMoveToBadTellsWhy) {
    struct Case {
        const char* name;
        std::function<void(TempGameDir&)> inject;
        int cause;
    };
    std::vector<Case> cases = {
        {"empty folder", [](TempGameDir& d) { mkdir((d.root + "/data/doc.txt.bad").c_str(), 0700); }, EISDIR},
        {"folder with a file",
         [](TempGameDir& d) {
             mkdir((d.root + "/data/doc.txt.bad").c_str(), 0700);
             d.write("data/doc.txt.bad/x", "");
         },
         EISDIR},
        // Left in a working directory that was removed, with no documents
        // folder named: no path to the document can be formed.
        {"no path",
         [](TempGameDir& d) {
             mkdir((d.root + "/gone").c_str(), 0700);
             if (chdir((d.root + "/gone").c_str()) != 0 || rmdir((d.root + "/gone").c_str()) != 0)
                 FAIL();
             unsetenv("ZORBIX_DOCUMENTS");
         },
         EIO},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dir.writeDocument("doc.txt", "old\n");
        c.inject(dir);
        EXPECT_EQ(keepDocumentAsBad("doc.txt"), c.cause);
        EXPECT_EQ(dir.readDocument("doc.txt"), "old\n");
        ASSERT_EQ(chdir(dir.root.c_str()), 0);
        setenv("ZORBIX_DOCUMENTS", (dir.root + "/data").c_str(), 1);
        std::string command = "rm -rf '" + dir.root + "/data/doc.txt.bad'";
        ASSERT_EQ(std::system(command.c_str()), 0);
    }
}
