// Back-end choice from the environment and the state shared by both back ends.
#include "platform/Backend.h"

#include <cstdlib>
#include <cstring>

#include "platform/platform.h"

bool platformIsHeadless() {
    const char* value = getenv("ZORBIX_HEADLESS");
    return value && strcmp(value, "1") == 0;
}

PlatformBackend* platformBackend() {
    static PlatformBackend* backend = platformIsHeadless() ? makeHeadlessBackend() : makeDesktopBackend();
    return backend;
}

void platformPaceFrame() { platformBackend()->paceFrame(); }

std::string platformScreenshotPath() {
    const char* value = getenv("ZORBIX_SCREENSHOT");
    return value ? value : "";
}

bool platformQueueInput(const std::string& line) { return platformBackend()->queueInput(line); }

long platformInputFrame() { return platformBackend()->currentFrame(); }
