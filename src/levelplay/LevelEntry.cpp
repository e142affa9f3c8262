// Level and replay start-up by name, for the environment and the tools.
#include "levelplay/LevelEntry.h"

#include <cctype>
#include <climits>
#include <cstdlib>

#include "core/FileReader.h"
#include "levelplay/LevelList.h"
#include "levelplay/Replay.h"
#include "levelplay/StatePlay.h"
#include "script/LuaScriptList.h"

static const char* tutorialPath = "/data/levels/campaign0/tutorial/tutorial.lua";

static bool isWholeNumber(const std::string& text, int* out) {
    if (text.empty() || text.size() > 10)
        return false;
    for (char c : text)
        if (!isdigit((unsigned char)c))
            return false;
    return FileReader::parseInt(text.c_str(), out);
}

// The store path of a level named by index or path; "" for an index no level has.
static std::string levelPathOf(const std::string& level) {
    int index = 0;
    return isWholeNumber(level, &index) ? LevelList::getInstance()->getLevelPathFromIndex(index) : level;
}

StatePlay* newPlayScreenForLevel(const std::string& level, std::string* error) {
    LevelList* list = LevelList::getInstance();
    std::string path = levelPathOf(level);
    if (path.empty() && !level.empty()) {
        *error = "no level has the index " + level;
        return nullptr;
    }
    if (!LuaScriptList::getInstance()->fileExist(path)) {
        *error = "no level script \"" + path + "\" in the store";
        return nullptr;
    }
    if (list->getLevelInformation(path))
        return new StatePlay(path, false, false);
    if (path == tutorialPath)
        return new StatePlay(path, false, true);
    if (list->levelExists(path) || path.compare(0, 13, "/data/levels/") == 0)
        return new StatePlay(path, true, false);
    *error = "\"" + path + "\" is not a level script";
    return nullptr;
}

StatePlay* newPlaybackScreen(int id, bool downloaded, std::string* error) {
    std::string refusal = Replay::whyNotPlayable(Replay::getPath(id, downloaded));
    if (!refusal.empty()) {
        *error = refusal;
        return nullptr;
    }
    return new StatePlay(id, downloaded, "Replay " + std::to_string(id));
}

StatePlay* playScreenFromEnvironment(std::string* error) {
    error->clear();
    const char* replay = getenv("ZORBIX_REPLAY");
    const char* level = getenv("ZORBIX_LEVEL");
    if (replay && *replay) {
        int id = 0;
        if (!isWholeNumber(replay, &id)) {
            *error = std::string("ZORBIX_REPLAY=") + replay + ": expected a replay id";
            return nullptr;
        }
        const char* web = getenv("ZORBIX_REPLAY_WEB");
        StatePlay* play = newPlaybackScreen(id, web && std::string(web) == "1", error);
        if (!play)
            *error = std::string("ZORBIX_REPLAY=") + replay + ": " + *error;
        return play;
    }
    if (level && *level) {
        StatePlay* play = newPlayScreenForLevel(level, error);
        if (!play)
            *error = std::string("ZORBIX_LEVEL=") + level + ": " + *error;
        return play;
    }
    return nullptr;
}
