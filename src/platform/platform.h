// Desktop-only extras of the platform layer: back-end choice, test injection,
// the last-frame screenshot.
#pragma once

#include <string>

// True when the headless back end is in use (ZORBIX_HEADLESS=1).
bool platformIsHeadless();
// The file the last frame is written to (ZORBIX_SCREENSHOT), or "" for none.
const std::string& platformScreenshotPath();
// Writes width x height RGBA pixels, bottom row first (as GL reads them), as a PNG.
bool platformWritePng(const std::string& path, const unsigned char* rgba, int width, int height);
// Holds the desktop's frame rate to the display's 60 Hz when the swap does not.
void platformPaceFrame();
// Keeps the GL driver that EGL loaded in memory until the process ends.
void platformPinGraphicsDriver();
// Headless: adds a line of the input script ("<frame> <event>", frame counted
// as platformInputFrame counts) while the game runs; false when it is malformed.
bool platformQueueInput(const std::string& line);
// Headless: the number of frames begun so far.
long platformInputFrame();
