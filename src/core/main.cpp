// Entry point: the command line is not read.
#include <csignal>

#include "core/MainLoop.h"

int main() {
    // A score server that closes its end must not end the game: failed
    // writes are reported by their result instead.
    signal(SIGPIPE, SIG_IGN);
    return runMainLoop();
}
