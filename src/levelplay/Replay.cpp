// Replays: recording, the file format, ids, validity checks and clean-up.
#include "levelplay/Replay.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "core/FileReader.h"
#include "core/myfopen.h"
#include "levelplay/LevelList.h"
#include "levelplay/PlaySettings.h"

namespace {
// The header of a replay file, read from the raw bytes so that the entry
// block starts exactly after the count line's line end, whatever its first
// byte is (a line reader that swallows a second CR or LF would eat it).
struct ParsedFile {
    enum Status { CANNOT_OPEN, HEADER_MISSING, COUNT_MISMATCH, OK };
    Status status = CANNOT_OPEN;
    ReplayHeader header;
    const unsigned char* entryBytes = nullptr;
    int count = 0;
};

// The next line: ends at the first CR or LF, a CR LF pair counting as one.
// False when the data ends before a line end.
bool nextLine(const char* data, int size, int* position, std::string* out) {
    int end = FileReader::findNewLine(data, *position, size);
    if (end >= size)
        return false;
    out->assign(data + *position, (size_t)(end - *position));
    *position = end + (data[end] == '\r' && end + 1 < size && data[end + 1] == '\n' ? 2 : 1);
    return true;
}

bool nextInt(const char* data, int size, int* position, int* out) {
    std::string line;
    return nextLine(data, size, position, &line) && FileReader::parseInt(line.c_str(), out);
}

void parse(FileReader& reader, ParsedFile* file) {
    if (reader.hasFailedToOpen())
        return;
    file->status = ParsedFile::HEADER_MISSING;
    const char* data = reader.getCurrentPtr();
    int size = reader.getBytesLeftCount();
    int position = 0;
    if (!data || !nextLine(data, size, &position, &file->header.levelPath) ||
        !nextInt(data, size, &position, &file->header.seed) ||
        !nextInt(data, size, &position, &file->header.shipModel) ||
        !nextInt(data, size, &position, &file->header.version) || !nextInt(data, size, &position, &file->count))
        return;
    // The count must say exactly how many 4-byte records follow; it is checked
    // before anything is multiplied or copied.
    int left = size - position;
    if (file->count < 0 || left % 4 != 0 || file->count != left / 4) {
        file->status = ParsedFile::COUNT_MISMATCH;
        return;
    }
    file->entryBytes = (const unsigned char*)data + position;
    file->status = ParsedFile::OK;
}

void putWord(unsigned char* out, uint16_t word) {
    out[0] = (unsigned char)(word & 0xff);
    out[1] = (unsigned char)(word >> 8);
}
}  // namespace

Replay::Replay(ReplayHeader* h) : header(new ReplayHeader(*h)) {}

Replay::Replay(int id, bool downloaded) : header(new ReplayHeader()) { loadFromFile(getPath(id, downloaded)); }

Replay::~Replay() { delete header; }

void Replay::add(SerializedJoystickData* data) { entries.push_back(*data); }

SerializedJoystickData* Replay::get(int i) {
    if (entries.empty()) {
        none = SerializedJoystickData();
        return &none;
    }
    if (i < 0 || i >= (int)entries.size())
        i = 0;
    return &entries[i];
}

std::string Replay::getPath(int id, bool downloaded) {
    char name[1000];
    snprintf(name, sizeof name, downloaded ? "replay_web_%i.txt" : "replay_local_%i.txt", id);
    return name;
}

bool Replay::write(FILE* f) {
    bool ok = fprintf(f, "%s\n", header->levelPath.c_str()) >= 0;
    ok = ok &&
         fprintf(f, "%i\n%i\n%i\n%i\n", header->seed, header->shipModel, header->version, (int)entries.size()) >= 0;
    if (ok && !entries.empty()) {
        std::vector<unsigned char> bytes(entries.size() * 4);
        for (size_t i = 0; i < entries.size(); i++) {
            putWord(&bytes[i * 4], entries[i].move);
            putWord(&bytes[i * 4 + 2], entries[i].shoot);
        }
        ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    }
    return ok;
}

int Replay::save(std::string name) {
    return writeDocumentWhole(name, [this](FILE* f) { return write(f); }) ? 1 : -1;
}

int Replay::nextFreeId(int from, const std::set<int>& used, int top) {
    int id = from >= 1 && from <= top ? from : 1;
    // used.size() + 1 steps meet a free id unless every id up to top is used.
    for (size_t tried = 0; tried <= used.size(); tried++) {
        if (used.count(id) == 0)
            return id;
        id = id >= top ? 1 : id + 1;
    }
    return -1;
}

// The ids of the local replays in the documents folder. A temporary file
// that a stopped save left behind is removed on the way.
static std::set<int> localReplayIds() {
    std::set<int> ids;
    for (const std::string& name : listDocuments()) {
        const std::string prefix = "replay_local_";
        if (name.compare(0, prefix.size(), prefix) != 0)
            continue;
        long id = strtol(name.c_str() + prefix.size(), nullptr, 10);
        if (id < 1 || id > INT_MAX)
            continue;
        std::string path = Replay::getPath((int)id, false);
        if (name == path)
            ids.insert((int)id);
        else if (name == path + ".tmp")
            myRemoveForDocument(name);
    }
    return ids;
}

int Replay::save() {
    // The counter lives in the preferences, which may have been lost while
    // older replays stayed, and it stops at the top of the int range: the
    // next id whose file does not exist is taken, wrapping round to 1.
    int id = nextFreeId(PlaySettings::nextReplayId(), localReplayIds());
    if (id < 0) {
        fprintf(stderr, "Every replay id is in use: the replay of this game is not saved\n");
        return -1;
    }
    PlaySettings::setNextReplayId(id < INT_MAX ? id + 1 : 1);
    // Written whole: a stop at any point leaves no replay or a complete one.
    return save(getPath(id, false)) == 1 ? id : -1;
}

void Replay::loadFromFile(std::string name) {
    *header = ReplayHeader();
    entries.clear();
    FileReader reader(name);
    ParsedFile file;
    parse(reader, &file);
    if (file.status == ParsedFile::CANNOT_OPEN || file.status == ParsedFile::HEADER_MISSING) {
        entries.push_back(SerializedJoystickData());
        return;
    }
    *header = file.header;
    if (file.status != ParsedFile::OK)
        return;
    entries.resize((size_t)file.count);
    const unsigned char* b = file.entryBytes;
    for (int i = 0; i < file.count; i++, b += 4) {
        entries[i].move = (uint16_t)(b[0] | (b[1] << 8));
        entries[i].shoot = (uint16_t)(b[2] | (b[3] << 8));
    }
}

bool Replay::isReplayValid(std::string name) {
    FileReader reader(name);
    ParsedFile file;
    parse(reader, &file);
    return file.status == ParsedFile::OK;
}

bool Replay::isPlayable(std::string name) { return whyNotPlayable(name).empty(); }

std::string Replay::whyNotPlayable(std::string name) {
    FileReader reader(name);
    ParsedFile file;
    parse(reader, &file);
    const ReplayHeader& header = file.header;
    switch (file.status) {
    case ParsedFile::CANNOT_OPEN:
        if (reader.getOpenError() == ENOENT)
            return name + " does not exist";
        return name + " cannot be read (" + reader.getReadError() + ")";
    case ParsedFile::HEADER_MISSING: return name + " is damaged: its header is incomplete";
    case ParsedFile::COUNT_MISMATCH: return name + " is damaged: its length does not match its step count";
    case ParsedFile::OK: break;
    }
    if (!LevelList::getInstance()->getLevelInformation(header.levelPath)) {
        std::string shown = header.levelPath.size() > 80 ? header.levelPath.substr(0, 80) + "..." : header.levelPath;
        return name + " is of \"" + shown + "\", not of an infinity level";
    }
    if (header.shipModel < 0 || header.shipModel > 8)
        return name + " is of an unknown ship (" + std::to_string(header.shipModel) + ")";
    return "";
}

bool Replay::isReplayNotAvailableAnymore(std::string name) {
    FileReader reader(name);
    if (reader.hasFailedToOpen() || reader.isEmpty())
        return false;
    const char* data = reader.getCurrentPtr();
    int end = FileReader::findNewLine(data, 0, reader.getBytesLeftCount());
    return std::string(data, (size_t)end) == "not available";
}

bool Replay::replayExists(int id, bool downloaded) {
    FILE* f = myFopenForDocument(getPath(id, downloaded), "rb");
    if (!f)
        return false;
    fclose(f);
    return true;
}

void Replay::tryTodeleteFile(int id, bool downloaded) {
    if (replayExists(id, downloaded))
        myRemoveForDocument(getPath(id, downloaded));
}

void Replay::cleanupTheReplays(std::vector<std::string>* names, int i) {
    if (!names || i < 0 || i >= (int)names->size())
        return;
    const std::string& name = (*names)[i];
    if (name.size() >= 10 && name.compare(0, 10, "replay_web") == 0)
        myRemoveForDocument(name);
}
