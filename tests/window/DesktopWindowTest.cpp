// The desktop back end in a real X server (Xvfb): window, surface, input, exit.
#include <GLES/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "core/Game.h"
#include "core/KeyPress.h"
#include "core/MainLoop.h"
#include "platform/platform.h"
#include "platform/screen.h"
#include "support/HeadlessGame.h"
#include "support/VirtualServer.h"

extern char** environ;

namespace {

bool onPath(const char* program) {
    const char* path = getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= dirs.size()) {
        size_t end = dirs.find(':', start);
        std::string dir = dirs.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (access((dir + "/" + program).c_str(), X_OK) == 0)
            return true;
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return false;
}

void pushMouse(Uint32 type, int x, int y) {
    SDL_Event e = {};
    e.type = type;
    if (type == SDL_MOUSEMOTION) {
        e.motion.x = x;
        e.motion.y = y;
    } else {
        e.button.button = SDL_BUTTON_LEFT;
        e.button.x = x;
        e.button.y = y;
    }
    SDL_PushEvent(&e);
}

void pushKey(Uint32 type, SDL_Keycode key) {
    SDL_Event e = {};
    e.type = type;
    e.key.keysym.sym = key;
    SDL_PushEvent(&e);
}

}  // namespace

TEST(DesktopWindow, OpensDrawsTakesInputAndCloses) {
    if (!onPath("Xvfb"))
        GTEST_SKIP() << "Xvfb is not installed: the desktop window is not tested";
    VirtualServer server;
    ASSERT_FALSE(server.display.empty()) << "Xvfb did not start";
    setenv("DISPLAY", server.display.c_str(), 1);
    unsetenv("ZORBIX_HEADLESS");
    ASSERT_FALSE(platformIsHeadless());

    ASSERT_EQ(mainStartUp(), 0);
    EXPECT_EQ(mainLoop.width, 1024);
    EXPECT_EQ(mainLoop.height, 600);
    ScriptedScreen* screen = new ScriptedScreen();
    screen->onDraw = [] {
        GLfloat quad[] = {100, 300, 0, 200, 300, 0, 100, 400, 0, 200, 400, 0};
        glColor4f(1, 1, 1, 1);
        glBindBuffer(GL_ARRAY_BUFFER, 0);  // the grid model leaves its buffer bound
        glVertexPointer(3, GL_FLOAT, 0, quad);
        glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
    };
    Game::getInstance()->setCurrentState(screen);
    for (int i = 0; i < 3; i++)
        mainLoopFrame();

    // The mouse is touch 0, held inside the window.
    pushMouse(SDL_MOUSEBUTTONDOWN, 100, 50);
    mainLoopFrame();
    EXPECT_TRUE(mainLoop.used1);
    EXPECT_EQ(mainLoop.x1, 550);
    EXPECT_EQ(mainLoop.y1, 100);
    pushMouse(SDL_MOUSEMOTION, 5000, -40);
    mainLoopFrame();
    EXPECT_EQ(mainLoop.x1, 600);
    EXPECT_EQ(mainLoop.y1, 1023);
    pushMouse(SDL_MOUSEBUTTONUP, 5000, -40);
    mainLoopFrame();
    EXPECT_FALSE(mainLoop.used1);

    // Fingers are touches of their own, each with its id; losing the focus lifts them.
    SDL_Event finger = {};
    finger.type = SDL_FINGERDOWN;
    finger.tfinger.fingerId = 3;
    finger.tfinger.x = 0.5f;
    finger.tfinger.y = 0.25f;
    SDL_PushEvent(&finger);
    finger.tfinger.fingerId = 8;
    finger.tfinger.x = 1.0f;
    finger.tfinger.y = 1.0f;
    SDL_PushEvent(&finger);
    mainLoopFrame();
    EXPECT_TRUE(mainLoop.used1 && mainLoop.used2);
    EXPECT_NE(mainLoop.id1, mainLoop.id2);
    EXPECT_EQ(mainLoop.x1, 600 - 150);
    EXPECT_EQ(mainLoop.y1, 512);
    EXPECT_EQ(mainLoop.x2, 1);
    EXPECT_EQ(mainLoop.y2, 1023);
    SDL_Event focus = {};
    focus.type = SDL_WINDOWEVENT;
    focus.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    SDL_PushEvent(&focus);
    mainLoopFrame();
    EXPECT_FALSE(mainLoop.used1 || mainLoop.used2);

    // Keys feed the key bits; P pauses the screen.
    KeyPress::getKeyJustGotPressedBitArray();
    pushKey(SDL_KEYDOWN, SDLK_k);
    pushKey(SDL_KEYDOWN, SDLK_RETURN);
    pushKey(SDL_KEYDOWN, SDLK_p);
    mainLoopFrame();
    EXPECT_EQ(State::keyIsPressedBitArray, 0x120);
    EXPECT_EQ(screen->pauses, 1);
    pushKey(SDL_KEYUP, SDLK_k);
    pushKey(SDL_KEYUP, SDLK_RETURN);
    mainLoopFrame();
    EXPECT_EQ(State::keyIsPressedBitArray, 0);

    // The frame on the window surface.
    unsigned char rgba[4] = {0, 0, 0, 0};
    glReadPixels(1024 - 350, 150, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    EXPECT_EQ(rgba[0], 255);
    glReadPixels(350, 150, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    EXPECT_EQ(rgba[0], 0);

    // Closing the window is the navigator's exit.
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    int frames = 0;
    while (!mainLoop.exit_application && frames < 10) {
        mainLoopFrame();
        frames++;
    }
    EXPECT_EQ(frames, 1);
    mainShutDown();
}
