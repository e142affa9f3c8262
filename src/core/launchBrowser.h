// Opens a web address in the platform's browser; the result is not looked at.
#pragma once

#include <string>

void launchBrowser(std::string url);
