// The private network the online tests run in, set up by NetNamespaceMain.
#pragma once

#include <string>

// Empty when the process runs in its own network namespace with the loopback
// up and the score server's name mapped to 127.0.0.1; otherwise what failed.
const std::string& netNamespaceError();
