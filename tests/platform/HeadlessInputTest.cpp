// The headless back end's timed input script and frame limit, through the real loop.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/KeyNames.h"
#include "platform/bps.h"
#include "support/HeadlessGame.h"
#include "support/TempGameDir.h"

TEST(HeadlessInput, ScriptedTouchesAndFrameLimit) {
    const char* path = "/tmp/zorbix-input-test.txt";
    FILE* f = fopen(path, "w");
    ASSERT_NE(f, nullptr);
    fputs(
        "# frame event\n"
        "3 touch 4 100 50   # finger down\n"
        "\n"
        "5 move 4 110 60\n"
        "7 release 4\n"
        "8 inactive\n"
        "2 swipedown\n",
        f);
    fclose(f);
    setenv("ZORBIX_HEADLESS", "1", 1);
    setenv("ZORBIX_INPUT", path, 1);
    setenv("ZORBIX_FRAMES", "10", 1);
    ASSERT_EQ(mainStartUp(), 0);
    unsetenv("ZORBIX_INPUT");
    unsetenv("ZORBIX_FRAMES");
    ScriptedScreen* screen = new ScriptedScreen();
    Game::getInstance()->setCurrentState(screen);

    std::vector<int> xs;
    int frames = 0;
    while (!mainLoop.exit_application && frames < 100) {
        mainLoopFrame();
        xs.push_back(State::touchX[0]);
        frames++;
    }
    EXPECT_EQ(frames, 10);
    EXPECT_EQ(screen->updates, 10);
    EXPECT_EQ(screen->pauses, 1);
    std::vector<int> expected = {-1, -1, 550, 550, 540, 540, -1, -1, -1, -1};
    EXPECT_EQ(xs, expected);
    mainShutDown();
    remove(path);
}

// A script that cannot be read in full stops the start-up instead of playing half of it.
TEST(HeadlessInput, MalformedScriptsAreRefused) {
    const char* path = "/tmp/zorbix-input-bad.txt";
    struct Case {
        std::string text;
        bool accepted;
    } cases[] = {
        {"", true},
        {"# only a comment\n\n   \n", true},
        {"1 touch 0 5 5\r\n2 release 0\r\n", true},
        {"1 exit", true},
        {"x touch 1 2 3\n", false},
        {"0 exit\n", false},
        {"-4 exit\n", false},
        {"3 touch 1 2\n", false},
        {"3 touch a 2 3\n", false},
        {"3 touch 1 2 3 4\n", false},
        {"3 fly\n", false},
        {"3 exit now\n", false},
        {"3\n", false},
        {"99999999999999999999999 exit\n", false},
        {"3 move 1 200000 3\n", false},
        {"3 release 99999999999\n", false},
        {"3 key Escape down\n4 key Escape up\n5 key Keypad Enter down\n", true},
        {"3 key P down\n", true},
        {"3 key Escape\n", false},
        {"3 key Escape pressed\n", false},
        {"3 key Tab down\n", false},
        {"3 key escape down\n", false},
        {std::string("\x00\xff\x01 touch\n", 10), false},
        // A zero byte anywhere, even where it would end the number early.
        {std::string("2\0garbage swipedown\n", 20), false},
        {std::string("2 touch 1\0 2 3\n", 16), false},
        {std::string("2 swipedown # \0\n", 17), false},
    };
    setenv("ZORBIX_HEADLESS", "1", 1);
    for (const Case& c : cases) {
        FILE* f = fopen(path, "wb");
        ASSERT_NE(f, nullptr);
        fwrite(c.text.data(), 1, c.text.size(), f);
        fclose(f);
        setenv("ZORBIX_INPUT", path, 1);
        int result = bps_initialize();
        EXPECT_EQ(result == BPS_SUCCESS, c.accepted) << testing::PrintToString(c.text);
        if (result == BPS_SUCCESS)
            bps_shutdown();
    }
    unsetenv("ZORBIX_INPUT");
    remove(path);
}

// A refused script says what is wrong: in which line and which of its words,
// the line quoted (a long one cut to a readable length), or why the file
// cannot be read at all.
TEST(HeadlessInput, ARefusedScriptSaysWhatIsWrong) {
    TempGameDir dir;
    std::string path = dir.root + "/input.txt", at = "ZORBIX_INPUT " + path + ":2: cannot read ";
    const std::string events = " (touch, move, release, key, exit, swipedown, windowstate, active, inactive)\n";
    ASSERT_EQ(mkdir((dir.root + "/folder").c_str(), 0755), 0);
    struct Case {
        std::string line;  // the second line of the script at path
        std::string message;
        std::string file = "";  // the script, when it is not the one at path
    } cases[] = {
        {"5 key Enter down",
         at + "\"5 key Enter down\": unknown key \"Enter\" (keys are named as SDL names them: Return, Up, P, ...)\n"},
        {"5 key Escape pressed", at + "\"5 key Escape pressed\": expected \"key NAME down\" or \"key NAME up\"\n"},
        {"0 exit", at + "\"0 exit\": bad frame number \"0\" (frames count from 1)\n"},
        {"3", at + "\"3\": no event after the frame number\n"},
        {"3 fly away",
         at + "\"3 fly away\": unknown event \"fly\" (touch, move, release, key, exit, swipedown, windowstate, active, "
              "inactive)\n"},
        {"3 exit now", at + "\"3 exit now\": expected nothing after \"exit\"\n"},
        {"3 touch 1 2", at + "\"3 touch 1 2\": expected \"touch FINGER X Y\"\n"},
        {"3 release", at + "\"3 release\": expected \"release FINGER\"\n"},
        {"3 move a 2 3", at + "\"3 move a 2 3\": bad finger number \"a\"\n"},
        {"3 touch 1 5 200000", at + "\"3 touch 1 5 200000\": bad position \"200000\" (from -100000 to 100000)\n"},
        {"3 exit " + std::string(1000, 'x'),
         at + "\"3 exit " + std::string(73, 'x') + "...\" (1007 bytes): expected nothing after \"exit\"\n"},
        {"3 exit " + std::string(5000, 'x'),
         "ZORBIX_INPUT: cannot read " + path + ": line 2 is longer than 4096 bytes\n"},
        {"", "ZORBIX_INPUT: cannot read " + dir.root + "/folder: it is a folder\n", dir.root + "/folder"},
        {"", "ZORBIX_INPUT: cannot read /dev/zero: larger than 16777216 bytes\n", "/dev/zero"},
        {"", "ZORBIX_INPUT: cannot read /proc/self/mem: Input/output error\n", "/proc/self/mem"},
        // Bytes that would act on the terminal or not show are written as
        // escapes, in the line, the word and the file's name alike.
        {"5 key Ent\033[2Jer down\r",
         at + "\"5 key Ent\\x1b[2Jer down\\r\": unknown key \"Ent\\x1b[2Jer\" (keys are named as SDL names them: "
              "Return, Up, P, ...)\n"},
        {"3\ttouch 1 5 \xc3\xa9",
         at + "\"3\\ttouch 1 5 \\xc3\\xa9\": bad position \"\\xc3\\xa9\" (from -100000 to 100000)\n"},
        {"3 move \x7f 2 3", at + "\"3 move \\x7f 2 3\": bad finger number \"\\x7f\"\n"},
        // A backslash in the file is doubled, so it never reads as an escape.
        {"3 fly\\x1b away", at + "\"3 fly\\\\x1b away\": unknown event \"fly\\\\x1b\"" + events},
        // The cut counts the line's own bytes: two escapes before it, none after.
        {"3 exit " + std::string(71, 'x') + "\033\033\033[2J\r" + std::string(100, 'y') + "\r\033c",
         at + "\"3 exit " + std::string(71, 'x') + "\\x1b\\x1b...\" (188 bytes): expected nothing after \"exit\"\n"},
        {"", "ZORBIX_INPUT: cannot read " + dir.root + "/no\\tsuch\\n: No such file or directory\n",
         dir.root + "/no\tsuch\n"},
        {"",
         "ZORBIX_INPUT " + dir.root + "/in\\x1b[2Jput\\r.txt:2: cannot read \"3 fly\": unknown event \"fly\"" + events,
         dir.root + "/in\033[2Jput\r.txt"},
    };
    dir.write("in\033[2Jput\r.txt", "1 exit\n3 fly\n");
    setenv("ZORBIX_HEADLESS", "1", 1);
    for (const Case& c : cases) {
        dir.write("input.txt", "1 exit\n" + c.line);
        setenv("ZORBIX_INPUT", c.file.empty() ? path.c_str() : c.file.c_str(), 1);
        testing::internal::CaptureStderr();
        int result = bps_initialize();
        std::string message = testing::internal::GetCapturedStderr();
        EXPECT_NE(result, BPS_SUCCESS);
        EXPECT_EQ(message, c.message);
        // The newline that ends the message is its only byte that is not
        // printable ASCII.
        auto odd = std::find_if(message.begin(), message.end(), [](unsigned char b) { return b < 0x20 || b > 0x7e; });
        EXPECT_EQ(odd - message.begin(), (long)message.size() - 1) << testing::PrintToString(message);
    }
    unsetenv("ZORBIX_INPUT");
}

// A script with key lines is played on a keyboard, as in the window: the menus
// then move their highlight and press with its keys.
TEST(HeadlessInput, AScriptThatTypesReportsAKeyboard) {
    const char* path = "/tmp/zorbix-input-keys.txt";
    struct Case {
        const char* text;
        bool keyboard;
    } cases[] = {
        {"3 touch 1 5 5\n4 release 1\n", false},
        {"3 touch 1 5 5\n4 release 1\n9 key Down down\n10 key Down up\n", true},
    };
    static int found;
    void (*saved)() = keyboardFound;
    keyboardFound = [] { found++; };
    setenv("ZORBIX_HEADLESS", "1", 1);
    for (const Case& c : cases) {
        FILE* f = fopen(path, "w");
        ASSERT_NE(f, nullptr);
        fputs(c.text, f);
        fclose(f);
        setenv("ZORBIX_INPUT", path, 1);
        found = 0;
        ASSERT_EQ(bps_initialize(), BPS_SUCCESS) << c.text;
        bps_shutdown();
        EXPECT_EQ(found, c.keyboard ? 1 : 0) << c.text;
    }
    keyboardFound = saved;
    unsetenv("ZORBIX_INPUT");
    remove(path);
}
