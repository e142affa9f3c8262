// launchBrowser: hands the address to the navigator.
#include "core/launchBrowser.h"

#include "platform/navigator.h"

void launchBrowser(std::string url) { navigator_invoke(url.c_str(), nullptr); }
