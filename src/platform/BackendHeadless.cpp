// Headless back end: no window, events from tests or from a timed input script.
//
// The input script (ZORBIX_INPUT) holds one event per line, "<frame> <event>",
// frames counted from 1; "#" starts a comment. Events: "touch <id> <x> <y>",
// "move <id> <x> <y>", "release <id>" (window pixels, (0, 0) top left), the
// navigator's "exit", "swipedown", "windowstate", "active", "inactive", and
// "key <name> down|up" with the desktop's key names ("Escape", "Return", "P").
// A script with key lines reports a keyboard, as the window does, so that the
// menus take its keys. Tests add lines while the game runs (platformQueueInput).
// ZORBIX_FRAMES=N delivers the navigator's exit during frame N.
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Backend.h"
#include "platform/KeyNames.h"
#include "platform/navigator.h"
#include "platform/screen.h"

namespace {

struct ScriptEvent {
    long frame;
    bool isTouch;
    int touchType;
    int id, x, y;
    unsigned navigatorCode;
    bool isKey;
    KeyAction key;
    bool keyDown;
};

bool parseInt(const std::string& text, long low, long high, long* out) {
    if (text.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    long value = strtol(text.c_str(), &end, 10);
    // The whole word is the number: a zero byte does not end it early.
    if (errno != 0 || end != text.c_str() + text.size() || value < low || value > high)
        return false;
    *out = value;
    return true;
}

// A line in quotes for a message: a long one is cut to its start, and its
// length is told.
std::string quoted(const std::string& line) {
    const size_t shown = 80;
    if (line.size() <= shown)
        return "\"" + line + "\"";
    return "\"" + line.substr(0, shown) + "...\" (" + std::to_string(line.size()) + " bytes)";
}

bool parseLine(const std::string& line, ScriptEvent* event) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    long frame, id = 0, x = 0, y = 0;
    if (words.size() < 2 || !parseInt(words[0], 1, LONG_MAX, &frame))
        return false;
    *event = ScriptEvent{frame, false, 0, 0, 0, 0, 0, false, KeyAction(), false};
    const std::string& verb = words[1];
    if (verb == "key") {
        // A name may hold blanks ("Keypad Enter"): it runs up to the last word.
        if (words.size() < 4 || (words.back() != "down" && words.back() != "up"))
            return false;
        std::string name = words[2];
        for (size_t i = 3; i + 1 < words.size(); i++)
            name += " " + words[i];
        event->isKey = true;
        event->keyDown = words.back() == "down";
        return keyActionForName(name, &event->key);
    }
    static const struct {
        const char* name;
        unsigned code;
    } navigatorVerbs[] = {{"exit", NAVIGATOR_EXIT},
                          {"windowstate", NAVIGATOR_WINDOW_STATE},
                          {"swipedown", NAVIGATOR_SWIPE_DOWN},
                          {"active", NAVIGATOR_WINDOW_ACTIVE},
                          {"inactive", NAVIGATOR_WINDOW_INACTIVE}};
    for (auto& v : navigatorVerbs)
        if (verb == v.name) {
            event->navigatorCode = v.code;
            return words.size() == 2;
        }
    event->isTouch = true;
    if (verb == "release") {
        event->touchType = SCREEN_EVENT_MTOUCH_RELEASE;
        if (words.size() != 3 || !parseInt(words[2], INT_MIN, INT_MAX, &id))
            return false;
        event->id = (int)id;
        return true;
    }
    if (verb == "touch")
        event->touchType = SCREEN_EVENT_MTOUCH_TOUCH;
    else if (verb == "move")
        event->touchType = SCREEN_EVENT_MTOUCH_MOVE;
    else
        return false;
    if (words.size() != 5 || !parseInt(words[2], INT_MIN, INT_MAX, &id) || !parseInt(words[3], -100000, 100000, &x) ||
        !parseInt(words[4], -100000, 100000, &y))
        return false;
    event->id = (int)id;
    event->x = (int)x;
    event->y = (int)y;
    return true;
}

class HeadlessBackend : public PlatformBackend {
public:
    bool start() override {
        frame = 0;
        next = 0;
        frameLimit = 0;
        script.clear();
        if (const char* frames = getenv("ZORBIX_FRAMES")) {
            if (!parseInt(frames, 1, LONG_MAX, &frameLimit)) {
                fprintf(stderr, "ZORBIX_FRAMES must be a positive number of frames\n");
                return false;
            }
        }
        if (const char* input = getenv("ZORBIX_INPUT")) {
            if (!loadScript(input))
                return false;
            // A script that types is played on a keyboard: the menus take its
            // keys (highlight, arrows, Enter) as they do in the window.
            bool types = std::any_of(script.begin(), script.end(), [](const ScriptEvent& e) { return e.isKey; });
            if (types && keyboardFound)
                keyboardFound();
        }
        return true;
    }

    void stop() override {}

    void beginFrame() override {
        frame++;
        for (; next < script.size() && script[next].frame <= frame; next++) {
            const ScriptEvent& e = script[next];
            if (e.isKey) {
                if (e.key.pauses && e.keyDown)
                    navigator_inject_event(NAVIGATOR_SWIPE_DOWN);
                if (e.key.bit && keyBitChanged)
                    keyBitChanged(e.key.bit, e.keyDown);
            } else if (e.isTouch)
                screen_inject_touch(e.touchType, e.x, e.y, e.id);
            else
                navigator_inject_event(e.navigatorCode);
        }
        if (frameLimit > 0 && frame == frameLimit)
            navigator_inject_event(NAVIGATOR_EXIT);
    }

    bool queueInput(const std::string& line) override {
        ScriptEvent event;
        if (!parseLine(line, &event))
            return false;
        // After every waiting event of the same frame, so lines keep their order.
        auto at = std::upper_bound(script.begin() + next, script.end(), event,
                                   [](const ScriptEvent& a, const ScriptEvent& b) { return a.frame < b.frame; });
        script.insert(at, event);
        return true;
    }

    long currentFrame() override { return frame; }

    void pump() override {}
    bool openWindow(int, int) override { return true; }
    void closeWindow() override {}
    uintptr_t nativeWindow() override { return 0; }
    bool isOffscreen() override { return true; }
    void paceFrame() override {}

private:
    bool loadScript(const char* path) {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            fprintf(stderr, "ZORBIX_INPUT: cannot read %s\n", path);
            return false;
        }
        std::string line;
        for (int number = 1; std::getline(in, line); number++) {
            if (line.find('\0') != std::string::npos) {
                fprintf(stderr, "ZORBIX_INPUT %s:%d: a zero byte in the line\n", path, number);
                return false;
            }
            size_t hash = line.find('#');
            if (hash != std::string::npos)
                line.erase(hash);
            if (line.find_first_not_of(" \t\r") == std::string::npos)
                continue;
            ScriptEvent event;
            if (!parseLine(line, &event)) {
                fprintf(stderr, "ZORBIX_INPUT %s:%d: cannot read %s\n", path, number, quoted(line).c_str());
                return false;
            }
            script.push_back(event);
        }
        std::stable_sort(script.begin(), script.end(),
                         [](const ScriptEvent& a, const ScriptEvent& b) { return a.frame < b.frame; });
        return true;
    }

    long frame = 0;
    long frameLimit = 0;
    size_t next = 0;
    std::vector<ScriptEvent> script;
};

}  // namespace

PlatformBackend* makeHeadlessBackend() { return new HeadlessBackend(); }
