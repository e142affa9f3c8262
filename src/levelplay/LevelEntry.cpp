// Level and replay start-up by name, for the environment and the tools.
#include "levelplay/LevelEntry.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/FileReader.h"
#include "core/myfopen.h"
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

int campaignOfLevel(const std::string& level) {
    LevelList* list = LevelList::getInstance();
    int index = 0;
    std::string path = isWholeNumber(level, &index) ? list->getLevelPathFromIndex(index) : level;
    for (int c = 0; c < list->getNumberOfCampaigns(); c++) {
        Campaign* campaign = list->getCampaign(c);
        for (int i = 0; i < campaign->size(); i++)
            if (campaign->get(i)->path == path)
                return campaign->number;
    }
    return -1;
}

StatePlay* newPlayScreenForLevel(const std::string& level, std::string* error) {
    LevelList* list = LevelList::getInstance();
    std::string path = level;
    int index = 0;
    if (isWholeNumber(level, &index)) {
        path = list->getLevelPathFromIndex(index);
        if (path.empty()) {
            *error = "no level has the index " + level;
            return nullptr;
        }
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

// Why a replay that is not playable is refused: the first check it fails.
static std::string refusal(int id, bool downloaded) {
    std::string name = Replay::getPath(id, downloaded);
    errno = 0;
    FILE* f = myFopenForDocument(name, "rb");
    if (!f)
        return errno == ENOENT || errno == 0 ? name + " does not exist"
                                             : name + " cannot be read (" + strerror(errno) + ")";
    fclose(f);
    if (!Replay::isReplayValid(name))
        return name + " is damaged: its header is incomplete or its length does not match its step count";
    Replay replay(id, downloaded);
    const std::string& level = replay.header->levelPath;
    if (!LevelList::getInstance()->getLevelInformation(level)) {
        std::string shown = level.size() > 80 ? level.substr(0, 80) + "..." : level;
        return name + " is of \"" + shown + "\", not of an infinity level";
    }
    return name + " is of an unknown ship (" + std::to_string(replay.header->shipModel) + ")";
}

StatePlay* newPlaybackScreen(int id, bool downloaded, std::string* error) {
    if (!Replay::isPlayable(Replay::getPath(id, downloaded))) {
        *error = refusal(id, downloaded);
        return nullptr;
    }
    return new StatePlay(id, downloaded, "Replay " + std::to_string(id));
}

State* playScreenFromEnvironment(std::string* error) {
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
