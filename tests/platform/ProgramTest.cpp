// The game program run headless: frame limit, screenshot, start-up failures.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <png.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct GameRun {
    int status = -1;
    std::string errors;
};

// Runs the game in its working directory with extra environment settings and
// the tests' documents folder; the desktop back end gets no display to open
// its window on.
GameRun runGame(const std::vector<std::string>& settings, bool headless = true) {
    std::vector<std::string> env;
    for (char** e = environ; *e; e++) {
        std::string entry = *e;
        bool setting = entry.rfind("ZORBIX_", 0) == 0 && entry.rfind("ZORBIX_DOCUMENTS=", 0) != 0;
        if (!setting && entry.rfind("DISPLAY=", 0) != 0 && entry.rfind("WAYLAND_DISPLAY=", 0) != 0)
            env.push_back(entry);
    }
    if (headless)
        env.push_back("ZORBIX_HEADLESS=1");
    for (const std::string& s : settings)
        env.push_back(s);
    std::vector<char*> envp;
    for (std::string& s : env)
        envp.push_back(&s[0]);
    envp.push_back(nullptr);

    std::string errorsPath = "/tmp/zorbix-program-test-" + std::to_string(getpid()) + ".err";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, errorsPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::string program = std::string(ZORBIX_GAME_DIR) + "/zorbix2";
    char* argv[] = {&program[0], nullptr};
    pid_t pid;
    GameRun run;
    EXPECT_EQ(chdir(ZORBIX_GAME_DIR), 0);
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data()) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    std::ifstream in(errorsPath);
    std::stringstream text;
    text << in.rdbuf();
    run.errors = text.str();
    remove(errorsPath.c_str());
    return run;
}

// Reads a PNG: width, height and how many pixels are not black.
bool readPng(const std::string& path, int* width, int* height, int* lit) {
    FILE* f = fopen(path.c_str(), "rb");
    if (!f)
        return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        fclose(f);
        return false;
    }
    png_init_io(png, f);
    png_read_png(png, info, PNG_TRANSFORM_STRIP_16 | PNG_TRANSFORM_EXPAND, nullptr);
    *width = (int)png_get_image_width(png, info);
    *height = (int)png_get_image_height(png, info);
    int channels = png_get_channels(png, info);
    png_bytepp rows = png_get_rows(png, info);
    *lit = 0;
    for (int y = 0; y < *height; y++)
        for (int x = 0; x < *width; x++) {
            png_bytep p = rows[y] + x * channels;
            if (p[0] || p[1] || p[2])
                (*lit)++;
        }
    png_destroy_read_struct(&png, &info, nullptr);
    fclose(f);
    return true;
}

}  // namespace

// The last frame is written however the game ends: at the frame limit, or
// when Escape on the title ends the process in the middle of a frame (the
// limit there only stops a game that failed to quit).
TEST(Program, WritesTheLastFrameHoweverTheGameEnds) {
    std::string base = "/tmp/zorbix-program-test-" + std::to_string(getpid());
    std::ofstream(base + ".input") << "20 key Escape down\n21 key Escape up\n";
    const std::vector<std::string> endings[] = {
        {"ZORBIX_FRAMES=5"},
        {"ZORBIX_FRAMES=600", "ZORBIX_INPUT=" + base + ".input"},
    };
    for (const std::vector<std::string>& ending : endings) {
        std::string shot = base + ".png";
        std::vector<std::string> settings = ending;
        settings.push_back("ZORBIX_SCREENSHOT=" + shot);
        GameRun run = runGame(settings);
        EXPECT_EQ(run.status, 0) << run.errors;
        int width = 0, height = 0, lit = 0;
        ASSERT_TRUE(readPng(shot, &width, &height, &lit)) << ending.back();
        EXPECT_EQ(width, 1024);
        EXPECT_EQ(height, 600);
        EXPECT_GT(lit, 0);
        remove(shot.c_str());
    }
    remove((base + ".input").c_str());
}

TEST(Program, StartUpFailuresEndWithStatusOne) {
    // A bad setting is told in the user's terms, as the only line: the file,
    // the line number and the line, never the name of a step inside the game.
    std::string script = "/tmp/zorbix-program-test-" + std::to_string(getpid()) + ".input";
    std::ofstream(script) << "1 touch 4 100 50\n# a comment\n3 fly away\n";
    struct Case {
        std::vector<std::string> settings;
        std::string message;
    } cases[] = {
        {{"ZORBIX_FRAMES=ten"}, "ZORBIX_FRAMES must be a positive number of frames\n"},
        {{"ZORBIX_INPUT=/nonexistent/input.txt"},
         "ZORBIX_INPUT: cannot read /nonexistent/input.txt: No such file or directory\n"},
        {{"ZORBIX_INPUT=/tmp", "ZORBIX_FRAMES=2"}, "ZORBIX_INPUT: cannot read /tmp: it is a folder\n"},
        {{"ZORBIX_INPUT=" + script},
         "ZORBIX_INPUT " + script +
             ":3: cannot read \"3 fly away\": unknown event \"fly\" (touch, move, release, "
             "key, exit, swipedown, windowstate, active, inactive)\n"},
    };
    for (const Case& c : cases) {
        GameRun run = runGame(c.settings);
        EXPECT_EQ(run.status, 1) << c.settings[0];
        EXPECT_EQ(run.errors, c.message);
    }
    remove(script.c_str());
    GameRun noDisplay = runGame({}, false);
    EXPECT_EQ(noDisplay.status, 1);
    EXPECT_EQ(noDisplay.errors.rfind("cannot open the window (", 0), 0u) << noDisplay.errors;
    EXPECT_EQ(noDisplay.errors.find('\n'), noDisplay.errors.size() - 1) << noDisplay.errors;
    GameRun orientation = runGame({"ORIENTATION=45", "ZORBIX_FRAMES=1"});
    EXPECT_EQ(orientation.status, 1);
    EXPECT_NE(orientation.errors.find("glwin_init_egl failed\n"), std::string::npos) << orientation.errors;
    EXPECT_NE(orientation.errors.find("Navigator returned an unexpected orientation angle.\n"), std::string::npos);
}

TEST(Program, UnwritableScreenshotIsAFailure) {
    GameRun run = runGame({"ZORBIX_FRAMES=2", "ZORBIX_SCREENSHOT=/nonexistent/dir/shot.png"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.errors.find("cannot write the screenshot"), std::string::npos) << run.errors;
}
