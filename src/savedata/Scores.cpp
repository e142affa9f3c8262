// High-score tables: ten best scores per infinity level, local ones guarded by
// a salted digest per level.
#include "savedata/Scores.h"

#include <cstring>

#include "core/FileReader.h"
#include "core/Game.h"
#include "core/myfopen.h"
#include "core/qsort2.h"
#include "levelplay/LevelList.h"
#include "platform/readFileBytes.h"

static const char* const checkValueSalt = "K <5 ZT";
static const char* const defaultName = "^3Zorbix ^wfan";

// The level catalogue, whose paths key the file.
static LevelList* catalogue() { return LevelList::getInstance(); }

Score::Score(std::string name_, int score_, int replay_, int time_, int fourth_)
    : fourth(fourth_), score(score_), time(time_), replay(replay_), name(name_) {}

bool Score::read(FileReader* reader, bool world) {
    // An empty name would be written as an empty line, which merges with the
    // line end before it: the file would no longer read back.
    if (!reader->getNextString(&name) || name.empty() || !reader->getNextInt(&score) || !reader->getNextInt(&replay))
        return false;
    if (world)
        time = 0;
    else if (!reader->getNextInt(&time))
        return false;
    return reader->getNextInt(&fourth);
}

bool Score::write(FILE* f, bool world) {
    bool ok = fputs(name.c_str(), f) >= 0 && fprintf(f, "\n%i\n%i\n", score, replay) > 0;
    if (!world)
        ok = ok && fprintf(f, "%i\n", time) > 0;
    return ok && fprintf(f, "%i\n", fourth) > 0;
}

std::string Score::toString() {
    // The stored check values were made from this 500-byte text: a longer one
    // is cut the same way.
    char buffer[500];
    snprintf(buffer, sizeof buffer, "%i%s%i%i%i", score, name.c_str(), replay, time, fourth);
    return buffer;
}

int scoreCompareInC(const void* a, const void* b) {
    const Score* x = *static_cast<Score* const*>(a);
    const Score* y = *static_cast<Score* const*>(b);
    if (x->score != y->score)
        return x->score > y->score ? -1 : 1;
    if (x->time != y->time)
        return x->time > y->time ? -1 : 1;
    return 0;
}

ScoresForALevel::ScoresForALevel(std::string name) : levelName(name) {}

ScoresForALevel::~ScoresForALevel() {
    for (Score* s : scores)
        delete s;
}

// A name that every score file reads back: no line ends or NUL (a line
// reader stops at them), and never empty (an empty line would merge with the
// line end before it).
static std::string storableName(const std::string& name) {
    std::string out;
    for (char c : name)
        if (c != '\r' && c != '\n' && c != '\0')
            out += c;
    return out.empty() ? defaultName : out;
}

bool ScoresForALevel::addScore(std::string name, int score, int replay, int time, int fourth) {
    Score* entry = new Score(storableName(name), score, replay, time, fourth);
    if ((int)scores.size() < maxScores) {
        scores.push_back(entry);
    } else {
        if (!(score > scores.back()->score)) {
            delete entry;
            return false;
        }
        delete scores.back();
        scores.back() = entry;
    }
    qsort2(scores.data(), (unsigned int)scores.size(), sizeof(Score*), scoreCompareInC);
    return true;
}

bool ScoresForALevel::read(FileReader* reader, bool world) {
    int count = 0;
    std::string checkValue;
    bool ok = reader->getNextInt(&count) && (world || reader->getNextString(&checkValue));
    // No room is reserved from the count: a huge one in a short file fails
    // when the lines run out.
    for (int i = 0; ok && i < count; i++) {
        scores.push_back(new Score());
        ok = scores.back()->read(reader, world);
    }
    if (ok && !world)
        ok = getHashFromLoadedData() == checkValue;
    if (!ok) {
        for (Score* s : scores)
            delete s;
        scores.clear();
    }
    return ok;
}

bool ScoresForALevel::write(FILE* f, bool world) {
    bool ok = fputs(levelName.c_str(), f) >= 0 && fprintf(f, "\n%i\n", (int)scores.size()) > 0;
    if (!world)
        ok = ok && fprintf(f, "%s\n", getHashFromLoadedData().c_str()) > 0;
    for (Score* s : scores)
        ok = ok && s->write(f, world);
    return ok;
}

std::string ScoresForALevel::getHashFromLoadedData() {
    std::string text = levelName;
    for (Score* s : scores)
        text += s->toString();
    text += checkValueSalt;
    return Game::encode(text);
}

ScoresForAllTheLevels::ScoresForAllTheLevels(bool world_, std::string fileName_) : world(world_), fileName(fileName_) {
    std::string bytes;
    int error = 0;
    if (readDocumentBytes(fileName, maxFileBytes, &bytes, &error) && readText(bytes))
        return;
    keptFileCause = setAsideUnreadDocument(fileName, error);
    for (int i = 0; i < catalogue()->getNumberOfLevels(); i++)
        levels.push_back(new ScoresForALevel(catalogue()->getLevelInformation(i)->path));
    if (keptFileCause == 0)
        write();
}

ScoresForAllTheLevels::ScoresForAllTheLevels(bool world_) : world(world_) {}

ScoresForAllTheLevels::~ScoresForAllTheLevels() { clear(); }

void ScoresForAllTheLevels::clear() {
    for (ScoresForALevel* level : levels)
        delete level;
    levels.clear();
}

ScoresForALevel* ScoresForAllTheLevels::getScoresForLevel(std::string level) {
    for (ScoresForALevel* list : levels)
        if (list->levelName == level)
            return list;
    return nullptr;
}

bool ScoresForAllTheLevels::addScore(std::string level, std::string name, int score, int replay, int time, int fourth) {
    ScoresForALevel* list = getScoresForLevel(level);
    return list && list->addScore(name, score, replay, time, fourth);
}

bool ScoresForAllTheLevels::read() {
    std::string bytes;
    int error = 0;
    return !fileName.empty() && readDocumentBytes(fileName, maxFileBytes, &bytes, &error) && readText(bytes);
}

bool ScoresForAllTheLevels::readText(const std::string& bytes) {
    clear();
    // A world file is a downloaded body: one larger than any file read is
    // refused before it is parsed.
    if (bytes.size() > maxFileBytes)
        return false;
    FileReader reader(bytes.data(), bytes.size());
    if (reader.hasFailedToOpen())
        return false;
    // Score files are text: a NUL byte would silently cut the line it is in
    // (and could empty a name, which no longer reads back once written).
    if (reader.getBytesLeftCount() > 0 && memchr(reader.getCurrentPtr(), 0, (size_t)reader.getBytesLeftCount()))
        return false;
    // Lines end as the line reader ends them: at a CR or an LF, a CR LF pair
    // counting as one, so a file with CR-only line ends reads like any other.
    std::string line;
    if (!reader.getNextString(&line) || line != "zorbix2" || !reader.getNextString(&line) || line != "v2")
        return false;
    int n = catalogue()->getNumberOfLevels();
    for (int i = 0; i < n; i++) {
        // Level names, like score names, are never empty lines.
        std::string name;
        bool ok = reader.getNextString(&name) && !name.empty();
        if (ok) {
            levels.push_back(new ScoresForALevel(name));
            ok = levels.back()->read(&reader, world);
        }
        if (!ok) {
            clear();
            return false;
        }
    }
    return true;
}

bool ScoresForAllTheLevels::writeTo(FILE* f) {
    bool ok = fputs("zorbix2\nv2\n", f) >= 0;
    for (ScoresForALevel* level : levels)
        ok = ok && level->write(f, world);
    return ok;
}

bool ScoresForAllTheLevels::write() {
    if (fileName.empty())
        return false;
    if (keptFileCause != 0)
        return tellNotSaved(fileName, keptFileCause);
    return writeDocumentWhole(fileName, [this](FILE* f) { return writeTo(f); });
}

std::string ScoresForAllTheLevels::text() {
    char* data = nullptr;
    size_t length = 0;
    FILE* f = open_memstream(&data, &length);
    if (!f)
        return "";
    writeTo(f);
    fclose(f);
    std::string out(data, length);
    free(data);
    return out;
}

Scores* Scores::instance = nullptr;

Scores* Scores::getInstance() {
    if (!instance)
        instance = new Scores();
    return instance;
}

void Scores::reloadForTests() {
    delete instance;
    instance = nullptr;
    getInstance();
}

Scores::Scores()
    : local(new ScoresForAllTheLevels(false, "local_scores.txt")),
      web(new ScoresForAllTheLevels(true, "web_scores.txt")) {}

Scores::~Scores() {
    delete local;
    delete web;
}

ScoresForALevel* Scores::getLocalScoresForLevel(std::string level) { return local->getScoresForLevel(level); }

ScoresForALevel* Scores::getWebScoresForLevel(std::string level) { return web->getScoresForLevel(level); }

bool Scores::addLocalScore(std::string level, std::string name, int score, int replay, int time, int fourth) {
    if (!local->addScore(level, name, score, replay, time, fourth))
        return false;
    local->write();
    return true;
}

void Scores::reloadWebScores() {
    delete web;
    web = new ScoresForAllTheLevels(true, "web_scores.txt");
}

Scores::WebScoresUpdate Scores::replaceWebScores(const std::string& bytes) {
    // Read in memory by the parser that reads the file, before anything is
    // written; the lists read become the world table once the file holds them.
    ScoresForAllTheLevels fresh(true);
    if (!fresh.readText(bytes))
        return WEB_SCORES_REFUSED;
    if (!writeDocumentBytes(web->fileName, bytes))
        return WEB_SCORES_NOT_WRITTEN;
    web->levels.swap(fresh.levels);
    // The file is now the one just written, whatever stood there before.
    web->keptFileCause = 0;
    return WEB_SCORES_REPLACED;
}
