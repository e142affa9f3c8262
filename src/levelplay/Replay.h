// A recorded game: a header and one stick record per simulation step, kept
// as a document file "replay_local_N.txt" (recorded here) or "replay_web_N.txt"
// (downloaded).
#pragma once

#include <climits>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "core/SerializedJoystickData.h"
#include "levelplay/ReplayHeader.h"

// File: five text lines (level path, seed, ship model, version, entry count N,
// each ending in a line feed), then exactly 4 N bytes: per step the move word
// then the shoot word, low byte first.
class Replay {
public:
    // A new, empty record with a copy of the header.
    explicit Replay(ReplayHeader* h);
    // Loads the document getPath(id, downloaded).
    Replay(int id, bool downloaded);
    ~Replay();
    Replay(const Replay&) = delete;
    Replay& operator=(const Replay&) = delete;

    void add(SerializedJoystickData* data);
    // Entry i; entry 0 past the end or below 0; a zero record when there is no entry.
    SerializedJoystickData* get(int i);
    int getSizeOfReplay() const { return (int)entries.size(); }

    // Writes a recorded game under the next free local id, never over an
    // existing file, whole (temporary file, sync, rename). The id, or -1 when
    // the file could not be written (the id is used up all the same) or no id
    // is free (with a message).
    int save();
    // Writes the document of that name whole; 1, or -1 (any old file kept)
    // on failure.
    int save(std::string name);
    // The first id from `from` on (from 1 when `from` is out of 1..top) that
    // is not in used, wrapping from top to 1; -1 when every id is used.
    static int nextFreeId(int from, const std::set<int>& used, int top = INT_MAX);
    // A missing file or header gives one zero entry; a count that does not
    // match the bytes after it gives no entry (the header read stays).
    void loadFromFile(std::string name);

    static std::string getPath(int id, bool downloaded);
    // The header lines are all there and the count matches the bytes after it.
    static bool isReplayValid(std::string name);
    // Valid, of an infinity level of the catalogue, with a ship model 0..8:
    // what every playback starter requires.
    static bool isPlayable(std::string name);
    // Why the replay file is not playable, naming it: the first of those
    // checks it fails. Empty when it is playable.
    static std::string whyNotPlayable(std::string name);
    static bool isReplayNotAvailableAnymore(std::string name);
    static bool replayExists(int id, bool downloaded);
    static void tryTodeleteFile(int id, bool downloaded);
    // Removes names[i] when it is a downloaded replay ("replay_web" ...).
    static void cleanupTheReplays(std::vector<std::string>* names, int i);

    ReplayHeader* header;

private:
    bool write(FILE* f);

    std::vector<SerializedJoystickData> entries;
    SerializedJoystickData none;
};
