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
#include <sstream>
#include <string>
#include <vector>

#include "platform/Backend.h"
#include "platform/KeyNames.h"
#include "platform/navigator.h"
#include "platform/readFileBytes.h"
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

// Text from the script or the environment made safe for a terminal: a
// control byte would act on it (a CR hides the start of the message, an ESC
// starts a command) and a byte over 0x7e may not show, so each byte outside
// printable ASCII is written as an escape, and a backslash is doubled so that
// an escape never reads as the file's own text.
std::string escaped(const std::string& text) {
    static const char hex[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size());
    for (unsigned char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c >= 0x20 && c <= 0x7e)
            out += (char)c;
        else if (c == '\r')
            out += "\\r";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\n')
            out += "\\n";
        else {
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 0xf];
        }
    }
    return out;
}

// A line in quotes for a message: a long one is cut to its start, and its
// length is told. The cut counts the line's own bytes, not its escapes, so
// that the length told and the part shown speak of the same bytes.
std::string quoted(const std::string& line) {
    const size_t shown = 80;
    if (line.size() <= shown)
        return "\"" + escaped(line) + "\"";
    return "\"" + escaped(line.substr(0, shown)) + "...\" (" + std::to_string(line.size()) + " bytes)";
}

// Reads one line of the script: "" when it is good, else what is wrong in it.
std::string parseLine(const std::string& line, ScriptEvent* event) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    long frame, id = 0, x = 0, y = 0;
    if (words.empty() || !parseInt(words[0], 1, LONG_MAX, &frame))
        return "bad frame number " + quoted(words.empty() ? "" : words[0]) + " (frames count from 1)";
    if (words.size() < 2)
        return "no event after the frame number";
    *event = ScriptEvent{frame, false, 0, 0, 0, 0, 0, false, KeyAction(), false};
    const std::string& verb = words[1];
    if (verb == "key") {
        // A name may hold blanks ("Keypad Enter"): it runs up to the last word.
        if (words.size() < 4 || (words.back() != "down" && words.back() != "up"))
            return "expected \"key NAME down\" or \"key NAME up\"";
        std::string name = words[2];
        for (size_t i = 3; i + 1 < words.size(); i++)
            name += " " + words[i];
        event->isKey = true;
        event->keyDown = words.back() == "down";
        if (!keyActionForName(name, &event->key))
            return "unknown key " + quoted(name) + " (keys are named as SDL names them: Return, Up, P, ...)";
        return "";
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
            return words.size() == 2 ? "" : "expected nothing after \"" + verb + "\"";
        }
    event->isTouch = true;
    if (verb == "release")
        event->touchType = SCREEN_EVENT_MTOUCH_RELEASE;
    else if (verb == "touch")
        event->touchType = SCREEN_EVENT_MTOUCH_TOUCH;
    else if (verb == "move")
        event->touchType = SCREEN_EVENT_MTOUCH_MOVE;
    else
        return "unknown event " + quoted(verb) +
               " (touch, move, release, key, exit, swipedown, windowstate, active, inactive)";
    if (words.size() != (verb == "release" ? 3u : 5u))
        return verb == "release" ? "expected \"release FINGER\"" : "expected \"" + verb + " FINGER X Y\"";
    if (!parseInt(words[2], INT_MIN, INT_MAX, &id))
        return "bad finger number " + quoted(words[2]);
    for (size_t i = 3; i < words.size(); i++)
        if (!parseInt(words[i], -100000, 100000, i == 3 ? &x : &y))
            return "bad position " + quoted(words[i]) + " (from -100000 to 100000)";
    event->id = (int)id;
    event->x = (int)x;
    event->y = (int)y;
    return "";
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
        if (!parseLine(line, &event).empty())
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
        std::vector<std::string> lines;
        std::string why;
        // The name comes from the environment and may hold any byte.
        std::string shownPath = escaped(path);
        if (!readFileLines(path, maxFileBytes, maxNamedLineBytes, &lines, &why)) {
            fprintf(stderr, "ZORBIX_INPUT: cannot read %s: %s\n", shownPath.c_str(), why.c_str());
            return false;
        }
        for (size_t i = 0; i < lines.size(); i++) {
            std::string& line = lines[i];
            int number = (int)i + 1;
            if (line.find('\0') != std::string::npos) {
                fprintf(stderr, "ZORBIX_INPUT %s:%d: a zero byte in the line\n", shownPath.c_str(), number);
                return false;
            }
            size_t hash = line.find('#');
            if (hash != std::string::npos)
                line.erase(hash);
            if (line.find_first_not_of(" \t\r") == std::string::npos)
                continue;
            ScriptEvent event;
            std::string fault = parseLine(line, &event);
            if (!fault.empty()) {
                fprintf(stderr, "ZORBIX_INPUT %s:%d: cannot read %s: %s\n", shownPath.c_str(), number,
                        quoted(line).c_str(), fault.c_str());
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
