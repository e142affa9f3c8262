// The headless back end's timed input script and frame limit, through the real loop.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "core/HeadlessGame.h"
#include "platform/bps.h"

TEST(HeadlessInput, ScriptedTouchesAndFrameLimit) {
    const char* path = "/tmp/zorbix-input-test.txt";
    FILE* f = fopen(path, "w");
    ASSERT_NE(f, nullptr);
    fputs("# frame event\n"
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
