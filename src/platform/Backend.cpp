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

const std::string& platformScreenshotPath() {
    // Read once: the swap asks every frame.
    static const std::string path = getenv("ZORBIX_SCREENSHOT") ? getenv("ZORBIX_SCREENSHOT") : "";
    return path;
}

bool platformQueueInput(const std::string& line) { return platformBackend()->queueInput(line); }

long platformInputFrame() { return platformBackend()->currentFrame(); }
