// Achievements: campaign progress and medals, saved as a data-only script.
#include "savedata/Achievements.h"

#include <cstdio>

#include "core/myfopen.h"
#include "levelplay/LevelList.h"
#include "script/LuaCommon.h"

static const char* const fileName = "achievements.txt";
static const int fileVersion = 3;
// Far above any file the game writes (a few KiB): a larger one is refused
// whole, before it is parsed.
static const size_t maxFileSize = 1024 * 1024;
// How the writer ends every file.
static const char fileEnd[] = "}\n\n";

// The level catalogue, whose paths key the file.
static LevelList* catalogue() { return LevelList::getInstance(); }

Achievements* Achievements::instance = nullptr;

Achievements* Achievements::getInstance() {
    if (!instance)
        instance = new Achievements();
    return instance;
}

void Achievements::reloadForTests() {
    delete instance;
    instance = nullptr;
    getInstance();
}

Achievements::Achievements() {
    resetToCatalogue();
    std::string bytes;
    int error = 0;
    bool read = readDocumentBytes(fileName, maxFileSize, &bytes, &error) && readAchievementsText(bytes);
    if (!read)
        keptFileCause = setAsideUnreadDocument(fileName, error);
    // The file is left as it is when it already holds what would be written,
    // or when it could not be opened, or failed to read and could not be
    // moved aside: rewriting it would lose the player's bytes.
    if (keptFileCause == 0 && (!read || achievementsText() != bytes))
        writeAchievements();
}

template <class Record>
static void resetRecord(std::unique_ptr<Record>& record) {
    if (record)
        *record = Record();
    else
        record.reset(new Record());
}

void Achievements::resetToCatalogue() {
    // Records are only ever added: maps of the fresh sizes hold the
    // catalogue's records alone, which are then reset where they are, in
    // place (no allocation: the fuzz harness resets for every input).
    bool fresh = freshCounts[numberOfDifficulties] == infinityResults.size();
    for (int d = 0; d < numberOfDifficulties; d++)
        fresh = fresh && freshCounts[d] == campaignResults[d].size();
    if (fresh && !infinityResults.empty()) {
        for (auto& results : campaignResults)
            for (auto& entry : results)
                resetRecord(entry.second);
        for (auto& entry : infinityResults)
            resetRecord(entry.second);
        return;
    }
    infinityResults.clear();
    for (auto& results : campaignResults)
        results.clear();
    for (int c = 0; c < catalogue()->getNumberOfCampaigns(); c++)
        for (int i = 0; i < catalogue()->getNumberOfCampaignLevels(c); i++)
            for (int d = 0; d < numberOfDifficulties; d++)
                campaignResults[d][catalogue()->getCampaign(c)->get(i)->path].reset(new CampaignLevelResults());
    for (int i = 0; i < catalogue()->getNumberOfLevels(); i++)
        infinityResults[catalogue()->getLevelInformation(i)->path].reset(new InfinityMapResults());
    for (int d = 0; d < numberOfDifficulties; d++)
        freshCounts[d] = campaignResults[d].size();
    freshCounts[numberOfDifficulties] = infinityResults.size();
}

Achievements::~Achievements() {
    if (instance == this)
        instance = nullptr;
}

InfinityMapResults* Achievements::getInfinityMapResults(std::string& level) {
    std::unique_ptr<InfinityMapResults>& record = infinityResults[level];
    if (!record)
        record.reset(new InfinityMapResults());
    return record.get();
}

CampaignLevelResults* Achievements::findCampaignRecord(const std::string& level, int difficulty) {
    if (difficulty < 0 || difficulty >= numberOfDifficulties)
        return nullptr;
    auto found = campaignResults[difficulty].find(level);
    return found == campaignResults[difficulty].end() ? nullptr : found->second.get();
}

int Achievements::getCampaignLevelTime(std::string& level, int difficulty) {
    CampaignLevelResults* record = findCampaignRecord(level, difficulty);
    return record ? record->time : -1;
}

bool Achievements::isCampaignLevelFinished(std::string& level, int difficulty) {
    CampaignLevelResults* record = findCampaignRecord(level, difficulty);
    return record && record->finished;
}

void Achievements::setCampaignLevelIsFinished(std::string& level, int difficulty, int time) {
    if (difficulty < 0 || difficulty >= numberOfDifficulties)
        return;
    std::unique_ptr<CampaignLevelResults>& record = campaignResults[difficulty][level];
    if (!record) {
        record.reset(new CampaignLevelResults());
        record->time = time;
    } else if (record->time == -1 || record->time > time) {
        record->time = time;
    }
    record->finished = true;
}

int Achievements::getPercentageOfCampaignDone(int campaign, int difficulty) {
    int levels = catalogue()->getNumberOfCampaignLevels(campaign);
    if (levels == 0)
        return 0;
    int finished = 0;
    for (int i = 0; i < levels; i++) {
        std::string path = catalogue()->getCampaign(campaign)->get(i)->path;
        if (isCampaignLevelFinished(path, difficulty))
            finished++;
    }
    return 100 * finished / levels;
}

int Achievements::getPercentageOfAllCampaignsDone(int difficulty) {
    if (difficulty < 0 || difficulty >= numberOfDifficulties || campaignResults[difficulty].empty())
        return 0;
    long finished = 0;
    for (auto& entry : campaignResults[difficulty])
        if (entry.second->finished)
            finished++;
    return (int)(100 * finished / (long)campaignResults[difficulty].size());
}

bool Achievements::isCampaignDone(int campaign, int difficulty) {
    const CampaignLevelInformation* last = catalogue()->getFinalLevelOfCampaign(campaign);
    if (!last)
        return false;
    std::string path = last->path;
    return isCampaignLevelFinished(path, difficulty);
}

bool Achievements::isCampaignDone(int campaign) {
    for (int d = 0; d < numberOfDifficulties; d++)
        if (isCampaignDone(campaign, d))
            return true;
    return false;
}

// The number of infinity records with that medal.
static int countMedals(const std::map<std::string, std::unique_ptr<InfinityMapResults>>& records,
                       bool InfinityMapResults::*medal) {
    int n = 0;
    for (auto& entry : records)
        n += entry.second.get()->*medal ? 1 : 0;
    return n;
}

int Achievements::getNumberOfGoldMedals() { return countMedals(infinityResults, &InfinityMapResults::gold); }
int Achievements::getNumberOfSilverMedals() { return countMedals(infinityResults, &InfinityMapResults::silver); }
int Achievements::getNumberOfBronzeMedals() { return countMedals(infinityResults, &InfinityMapResults::bronze); }

void Achievements::unlockMedals() {
    for (auto& entry : infinityResults)
        entry.second->gold = entry.second->silver = entry.second->bronze = true;
    writeAchievements();
}

void Achievements::unlockCampaign() {
    for (int c = 0; c < catalogue()->getNumberOfCampaigns(); c++)
        for (int i = 0; i < catalogue()->getNumberOfCampaignLevels(c); i++)
            for (int d = 0; d < numberOfDifficulties; d++) {
                std::string path = catalogue()->getCampaign(c)->get(i)->path;
                setCampaignLevelIsFinished(path, d, -1);
            }
    writeAchievements();
}

static const char* truth(bool b) { return b ? "true" : "false"; }

bool Achievements::writeAchievements() {
    if (keptFileCause != 0)
        return tellNotSaved(fileName, keptFileCause);
    return writeDocumentBytes(fileName, achievementsText());
}

std::string Achievements::achievementsText() {
    std::string out;
    // Room for the usual file at once: each reallocation costs under the
    // memory checkers of the test builds.
    out.reserve(4096);
    out += "version = " + std::to_string(fileVersion) + "\n\nFinishedCampaignLevels = {\n";
    for (int c = 0; c < catalogue()->getNumberOfCampaigns(); c++) {
        for (int i = 0; i < catalogue()->getNumberOfCampaignLevels(c); i++) {
            const std::string& path = catalogue()->getCampaign(c)->get(i)->path;
            out += '\t';
            out += quoteForDocument(path);
            out += ", ";
            for (int d = 0; d < numberOfDifficulties; d++) {
                CampaignLevelResults* record = findCampaignRecord(path, d);
                out += truth(record && record->finished);
                out += ", ";
                out += std::to_string(record ? record->time : -1);
                out += ", ";
            }
            out += '\n';
        }
    }
    out += "}\n\nInfinityLevels = {\n";
    for (auto& entry : infinityResults) {
        InfinityMapResults* r = entry.second.get();
        out += '\t';
        out += quoteForDocument(entry.first);
        for (bool flag : {r->first, r->gold, r->silver, r->bronze}) {
            out += ", ";
            out += truth(flag);
        }
        out += ",\n";
    }
    return out + fileEnd;
}

// Item i of the table at the top of the stack, pushed with raw access.
static void pushItem(lua_State* L, long i) { lua_rawgeti(L, -1, (int)i); }

// The row's path: a string, or a number taken as its text. False for any
// other value, and the row is then skipped.
static bool readPath(lua_State* L, long i, std::string* out) {
    pushItem(L, i);
    int type = lua_type(L, -1);
    bool ok = type == LUA_TSTRING || type == LUA_TNUMBER;
    if (ok) {
        size_t length = 0;
        const char* text = lua_tolstring(L, -1, &length);
        ok = text != nullptr;
        if (ok)
            out->assign(text, length);
    }
    lua_pop(L, 1);
    return ok;
}

static bool readTruth(lua_State* L, long i) {
    pushItem(L, i);
    bool value = lua_toboolean(L, -1) != 0;
    lua_pop(L, 1);
    return value;
}

// A best time counts frames; any negative one reads as -1, none. (The smallest
// number would not even survive a save: written out, it reads back one higher.)
static int readTime(lua_State* L, long i) {
    pushItem(L, i);
    int value = lua_type(L, -1) == LUA_TNUMBER ? (int)lua_tonumber(L, -1) : 0;
    lua_pop(L, 1);
    return value < -1 ? -1 : value;
}

// Pushes the global table of that name and returns its length; 0, with
// nothing pushed, when it is not a table.
static int pushRows(lua_State* L, const char* name) {
    lua_pushstring(L, name);
    lua_rawget(L, LUA_GLOBALSINDEX);
    if (!lua_istable(L, -1)) {
        lua_pop(L, 1);
        return 0;
    }
    return (int)lua_objlen(L, -1);
}

void Achievements::readCampaignRows(lua_State* L, int version) {
    int rowLength = version == 2 ? 3 : version > 2 ? 7 : 0;
    if (rowLength == 0)
        return;
    int n = pushRows(L, "FinishedCampaignLevels");
    if (n == 0)
        return;
    for (long start = 1; start <= n; start += rowLength) {
        std::string path;
        if (!readPath(L, start, &path))
            continue;
        for (int d = 0; d < numberOfDifficulties; d++) {
            if (version == 2 && d != 1)
                continue;
            long item = version == 2 ? start + 1 : start + 1 + 2 * d;
            std::unique_ptr<CampaignLevelResults>& record = campaignResults[d][path];
            if (!record)
                record.reset(new CampaignLevelResults());
            record->finished = readTruth(L, item);
            record->time = readTime(L, item + 1);
        }
    }
    lua_pop(L, 1);
}

void Achievements::readInfinityRows(lua_State* L) {
    int n = pushRows(L, "InfinityLevels");
    if (n == 0)
        return;
    for (long start = 1; start <= n; start += 5) {
        std::string path;
        if (!readPath(L, start, &path))
            continue;
        InfinityMapResults* record = getInfinityMapResults(path);
        record->first = readTruth(L, start + 1);
        record->gold = readTruth(L, start + 2);
        record->silver = readTruth(L, start + 3);
        record->bronze = readTruth(L, start + 4);
    }
    lua_pop(L, 1);
}

// True when the bytes do not end as the writer ends a file.
static bool cutShort(const std::string& bytes) {
    size_t n = sizeof fileEnd - 1;
    return bytes.size() < n || bytes.compare(bytes.size() - n, n, fileEnd) != 0;
}

// The whole lines of a file that was cut short, with its last table closed:
// every row the writer put on a line of its own is then kept. A file that
// ends as the writer ends it was not cut, and is not changed.
static bool salvageText(const std::string& bytes, std::string* out) {
    size_t lastLine = bytes.size() <= maxFileSize && cutShort(bytes) ? bytes.rfind('\n') : std::string::npos;
    if (lastLine == std::string::npos)
        return false;
    out->assign(bytes, 0, lastLine + 1);
    *out += "}\n";
    return true;
}

void Achievements::readDocument(lua_State* L) {
    int version = 0;
    readNumber(L, "version", &version, 0);
    readCampaignRows(L, version);
    readInfinityRows(L);
}

bool Achievements::readAchievements() {
    std::string bytes;
    int error = 0;
    return readDocumentBytes(fileName, maxFileSize, &bytes, &error) && readAchievementsText(bytes);
}

bool Achievements::readAchievementsText(const std::string& bytes) {
    // The file is data: no library, bounded in instructions and memory.
    DocumentScriptState document;
    bool ran = document.loadDocumentText(bytes, fileName, maxFileSize);
    if (!document.state())
        return false;
    if (ran) {
        readDocument(document.state());
        return true;
    }
    // A file that does not run may have been cut short: its complete rows
    // are read, in a fresh state, when the lines up to the cut run.
    std::string text;
    DocumentScriptState salvage;
    if (salvageText(bytes, &text) && salvage.loadText(text, fileName))
        readDocument(salvage.state());
    else
        readDocument(document.state());
    return false;
}
