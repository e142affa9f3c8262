// Entry point: the command line is not read. It stands above every folder of
// src/ and chooses how the game starts: the environment may name a level or a
// replay to open in place of the first menu.
#include <csignal>

#include "Startup.h"

int main() {
    // A score server that closes its end must not end the game: failed
    // writes are reported by their result instead.
    signal(SIGPIPE, SIG_IGN);
    return runMainLoop(startScreenFromEnvironment);
}
