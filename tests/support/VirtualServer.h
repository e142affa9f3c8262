// An Xvfb for the desktop tests, on a display number it picks itself.
#pragma once

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

extern char** environ;

// An Xvfb on a display number it picks itself; empty name when it cannot start.
class VirtualServer {
public:
    VirtualServer() {
        int fds[2];
        if (pipe(fds) != 0)
            return;
        std::string fd = std::to_string(fds[1]);
        const char* argv[] = {"Xvfb",        "-displayfd", fd.c_str(), "-screen", "0",
                              "1280x800x24", "-nolisten",  "tcp",      nullptr};
        if (posix_spawnp(&pid, "Xvfb", nullptr, nullptr, const_cast<char**>(argv), environ) != 0) {
            pid = -1;
            close(fds[0]);
            close(fds[1]);
            return;
        }
        close(fds[1]);
        char number[32] = {0};
        ssize_t got = read(fds[0], number, sizeof number - 1);
        close(fds[0]);
        if (got > 0)
            display = ":" + std::string(number, number[got - 1] == '\n' ? got - 1 : got);
    }
    ~VirtualServer() {
        if (pid > 0) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
    }
    pid_t pid = -1;
    std::string display;
};
