// Entry point: the command line is not read.
#include "core/MainLoop.h"

int main() {
    return runMainLoop();
}
