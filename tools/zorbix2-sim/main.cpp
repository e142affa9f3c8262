// zorbix2-sim: runs a level, or plays a replay back, without a window and
// without drawing, and prints the score, the steps run and the world hash.
//
//   zorbix2-sim [options] LEVEL STEPS      LEVEL: index or store path
//   zorbix2-sim [options] --replay ID      (--replay-web ID, --replay-file FILE)
//   zorbix2-sim RUN --then RUN [--then RUN]...
//
// Several runs, each with its own options, share one start-up when joined by
// --then. They run one after the other as separate calls would; the output of
// each comes after a line "== run N: ARGUMENTS" and ends with a line
// "== run N: status S". The status is the first failing run's, else 0; a
// script error still ends the program at once.
//
// Options:
//   --seed N              seed of the C generator, which draws the game's seed
//                         (default 1, so that a run repeats)
//   --difficulty N        a campaign level's difficulty, 0..2 (default: the
//                         preferences'; infinity games always play at 0)
//   --input SPEC          neutral (default), random:SEED, pilot (the level's
//                         levelTest.pilot), or a file of "STEP X0 Y0 X1 Y1" lines
//   --save-replay         save the recorded replay even when the game has not ended
//   --draw                draw every frame
//   --add-script P=FILE   put a file into the script store under path P
//   --hashes FILE         write the hash chain (a line every 60 steps and at the end);
//                         a file that cannot be made is refused before the run
//   --check-hashes FILE   compare with a written chain (LF or CRLF line ends); exit 3
//                         at the first difference (a file that is no such chain is
//                         refused, status 1)
//   --replay-rules        os, io, the "Ok" button, the difficulty and the music
//                         amplitude raise a script error (what an infinity level,
//                         whose replays store only the sticks, may not use)
//   --help                print the usage on the standard output and exit
//
// It runs in the current directory: documents (replays, preferences, progress)
// under data/. It makes no sound. A replay file is played through a copy in
// data/ that goes after the run; the file given is never changed, even when it
// is that copy itself. Exit status: 0; 1 for a script error (as in the game),
// a level or replay it cannot play, a file it cannot read, a hash file it
// cannot write, a replay file it cannot copy into data/, a replay it was to
// save and could not, a pilot's error, or a game that stopped stepping short
// of its steps (a quick pause the input never lifts); 2 for a wrong call,
// malformed values included; 3 for a hash chain that differs.
#include <sys/stat.h>

#include <cerrno>
#include <cinttypes>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ReplayRules.h"
#include "Startup.h"
#include "core/Entity.h"
#include "core/Game.h"
#include "core/MainLoop.h"
#include "core/myfopen.h"
#include "graphics/AudioPlayer.h"
#include "graphics/SoundManager.h"
#include "levelplay/LevelEntry.h"
#include "levelplay/LevelRun.h"
#include "levelplay/Replay.h"
#include "levelplay/SimulatedInput.h"
#include "levelplay/StatePlay.h"
#include "levelplay/WorldHash.h"
#include "platform/readFileBytes.h"
#include "savedata/Preferences.h"
#include "screens/StateConfirmScore.h"
#include "script/LuaScriptList.h"

static void printUsage(FILE* out, const char* program) {
    fprintf(out,
            "usage: %s [--seed N] [--difficulty N] [--input SPEC] [--save-replay] [--draw] [--replay-rules] "
            "[--add-script PATH=FILE]...\n"
            "          [--hashes FILE | --check-hashes FILE] (LEVEL STEPS | --replay ID |\n"
            "          --replay-web ID | --replay-file FILE)\n"
            "       %s RUN --then RUN [--then RUN]...   (several runs after one start-up)\n",
            program, program);
}

static int usage(const char* program) {
    printUsage(stderr, program);
    return 2;
}

// A malformed option value: what is wrong with it, then the usage.
static int wrongValue(const char* program, const std::string& what) {
    fprintf(stderr, "%s: %s\n", program, what.c_str());
    return usage(program);
}

// Reads a file the user named, whole; false, with a message, when it cannot.
static bool readNamedFile(const char* program, const std::string& path, std::string* out) {
    std::string why;
    if (readFileBytes(path, maxFileBytes, out, &why))
        return true;
    fprintf(stderr, "%s: cannot read %s: %s\n", program, path.c_str(), why.c_str());
    return false;
}

// A whole decimal number from low to high, with nothing after it.
static bool parseWhole(const char* text, long long low, long long high, int* out) {
    char* end = nullptr;
    errno = 0;
    long long v = strtoll(text, &end, 10);
    if (!*text || *end || errno != 0 || v < low || v > high)
        return false;
    *out = (int)v;
    return true;
}

// Counts (steps, seeds, the difficulty) are capped at 100,000,000.
static bool parseCount(const char* text, int* out) { return parseWhole(text, 0, 100000000, out); }

// A replay id: any the game saves or downloads, 1 up to the top of the int range.
static bool parseReplayId(const char* text, int* out) { return parseWhole(text, 1, INT_MAX, out); }

// Checkpoints: each line is "STEP CHAIN", the chain folding every
// checkpoint's world hash into the ones before it.
struct HashChain {
    uint64_t chain = 1469598103934665603ull;
    std::vector<std::string> lines;

    void add(int step) {
        uint64_t h = worldHash();
        for (int i = 0; i < 8; i++) {
            chain ^= (h >> (8 * i)) & 0xff;
            chain *= 1099511628211ull;
        }
        char line[64];
        snprintf(line, sizeof line, "%i %016" PRIx64, step, chain);
        lines.push_back(line);
    }
};

// Whether a line is a checkpoint as HashChain::add writes it: the step in
// decimal, a space and the chain in 16 lowercase hexadecimal digits.
static bool isCheckpoint(const std::string& line) {
    size_t space = line.find(' ');
    if (space == 0 || space == std::string::npos || space > 9 || line.size() != space + 17)
        return false;
    for (size_t i = 0; i < line.size(); i++) {
        char c = line[i];
        bool ok = i < space ? c >= '0' && c <= '9' : i == space || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
        if (!ok)
            return false;
    }
    return true;
}

// Reads a hash chain that --hashes wrote, with LF or CRLF line ends (as an
// editor may save it); false, with a message, when the file cannot be read or
// is not such a chain.
static bool readHashChain(const char* program, const std::string& path, std::vector<std::string>* lines) {
    std::string why;
    if (readFileLines(path, maxFileBytes, maxNamedLineBytes, lines, &why)) {
        if (lines->empty())
            why = "it holds no checkpoint";
        for (size_t i = 0; i < lines->size() && why.empty(); i++) {
            std::string& line = (*lines)[i];
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (!isCheckpoint(line))
                why = "line " + std::to_string(i + 1) + " is not a checkpoint \"STEP HASH\"";
        }
        if (why.empty())
            return true;
    }
    fprintf(stderr, "%s: cannot read %s: %s\n", program, path.c_str(), why.c_str());
    return false;
}

// Whether the hash chain's file can be written, asked before the run so that
// a wrong path does not cost the run: opened for appending, which changes no
// file that exists, and removed again when this made it. False, with a
// message, when it cannot be opened.
static bool canWriteHashes(const char* program, const std::string& path) {
    struct stat link;
    bool existed = lstat(path.c_str(), &link) == 0;
    FILE* f = fopen(path.c_str(), "a");
    if (!f) {
        fprintf(stderr, "%s: cannot write %s: %s\n", program, path.c_str(), strerror(errno));
        return false;
    }
    fclose(f);
    if (!existed)
        remove(path.c_str());
    return true;
}

// Writes the hash chain whole; false, with a message, when it could not.
static bool writeHashes(const char* program, const std::string& path, const std::vector<std::string>& lines) {
    FILE* f = fopen(path.c_str(), "w");
    bool ok = f != nullptr;
    for (size_t i = 0; ok && i < lines.size(); i++)
        ok = fprintf(f, "%s\n", lines[i].c_str()) > 0;
    int cause = ok ? 0 : errno;
    if (f && fclose(f) != 0 && ok) {
        ok = false;
        cause = errno;
    }
    if (!ok)
        fprintf(stderr, "%s: cannot write %s: %s\n", program, path.c_str(), strerror(cause != 0 ? cause : EIO));
    return ok;
}

// Whether two paths name one file (the same device and inode, through any link).
static bool sameFile(const std::string& a, const std::string& b) {
    struct stat x, y;
    return stat(a.c_str(), &x) == 0 && stat(b.c_str(), &y) == 0 && x.st_dev == y.st_dev && x.st_ino == y.st_ino;
}

// One run: a level or a replay, with its options.
struct Run {
    std::string inputSpec = "neutral", level, hashesOut, hashesIn, replayFile;
    std::vector<std::pair<std::string, std::string>> scripts;
    int steps = -1, replayId = -1, cSeed = 1, difficulty = -1;
    bool replayWeb = false, saveReplay = false, draw = false, replayRules = false;
    std::string arguments;
};

// Reads the options of one run from argv[*at] up to "--then" or the end;
// *at then points past them. The status to exit with, or -1 when they are good.
static int parseRun(int argc, char** argv, int* at, Run* run) {
    std::vector<const char*> positional;
    int i = *at;
    for (; i < argc && strcmp(argv[i], "--then") != 0; i++) {
        std::string a = argv[i];
        run->arguments += (run->arguments.empty() ? "" : " ") + a;
        bool hasValue = i + 1 < argc && strcmp(argv[i + 1], "--then") != 0;
        if (hasValue && a.compare(0, 2, "--") == 0 && a != "--save-replay" && a != "--replay-rules" && a != "--draw")
            run->arguments += std::string(" ") + argv[i + 1];
        if (a == "--help") {
            printUsage(stdout, argv[0]);
            return 0;
        } else if (a == "--input" && hasValue) {
            run->inputSpec = argv[++i];
            // A random input's seed is part of the call; a file is read when its run starts.
            std::string error;
            if (run->inputSpec.compare(0, 7, "random:") == 0 && !SimulatedInput().parse(run->inputSpec, &error))
                return wrongValue(argv[0], error);
        } else if (a == "--seed" && hasValue) {
            if (!parseCount(argv[++i], &run->cSeed))
                return usage(argv[0]);
        } else if (a == "--difficulty" && hasValue) {
            if (!parseCount(argv[++i], &run->difficulty) || run->difficulty > 2)
                return usage(argv[0]);
        } else if (a == "--save-replay") {
            run->saveReplay = true;
        } else if (a == "--replay-rules") {
            run->replayRules = true;
        } else if (a == "--draw") {
            run->draw = true;
        } else if (a == "--add-script" && hasValue) {
            std::string spec = argv[++i];
            size_t eq = spec.find('=');
            std::string text;
            if (eq == std::string::npos)
                return wrongValue(argv[0], "cannot add the script \"" + spec + "\"");
            if (!readNamedFile(argv[0], spec.substr(eq + 1), &text))
                return 1;
            run->scripts.push_back({spec.substr(0, eq), text});
        } else if (a == "--hashes" && hasValue) {
            run->hashesOut = argv[++i];
        } else if (a == "--check-hashes" && hasValue) {
            run->hashesIn = argv[++i];
        } else if ((a == "--replay" || a == "--replay-web") && hasValue) {
            if (!parseReplayId(argv[++i], &run->replayId))
                return usage(argv[0]);
            run->replayWeb = a == "--replay-web";
        } else if (a == "--replay-file" && hasValue) {
            run->replayFile = argv[++i];
        } else if (a.compare(0, 2, "--") == 0) {
            return usage(argv[0]);
        } else {
            positional.push_back(argv[i]);
        }
    }
    *at = i;
    bool playback = run->replayId >= 0 || !run->replayFile.empty();
    if (playback ? !positional.empty() : positional.size() != 2)
        return usage(argv[0]);
    if (playback && run->inputSpec != "neutral") {
        fprintf(stderr, "%s: a replay plays its own input\n", argv[0]);
        return 2;
    }
    if (!playback) {
        run->level = positional[0];
        if (!parseCount(positional[1], &run->steps))
            return usage(argv[0]);
    }
    return -1;
}

// Plays one run and prints its end; the exit status it asks for.
static int play(const char* program, const Run& r) {
    int replayId = r.replayId;
    bool replayWeb = r.replayWeb, playback = replayId >= 0 || !r.replayFile.empty();
    SimulatedInput input;
    std::string error;
    if (!input.parse(r.inputSpec, &error)) {
        fprintf(stderr, "%s: %s\n", program, error.c_str());
        return 1;
    }
    std::vector<std::string> expected;
    if (!r.hashesIn.empty() && !readHashChain(program, r.hashesIn, &expected))
        return 1;
    if (!r.hashesOut.empty() && !canWriteHashes(program, r.hashesOut))
        return 1;

    srand((unsigned int)r.cSeed);
    if (r.difficulty >= 0)
        Preferences::getInstance()->setDifficultySettings(r.difficulty);
    StatePlay::scriptStateHook = r.replayRules ? installReplayRules : nullptr;
    for (auto& s : r.scripts)
        LuaScriptList::getInstance()->addScriptForTests(s.first, s.second);

    // A replay file from anywhere is played as the downloaded replay 0, an id
    // the score server never gives: through a copy, removed once the screen
    // has read it. A copy that cannot be saved is told as every failed save is
    // ("cannot save" the document, and why). The file given is never
    // changed: when it is that document itself it is played where it is, and
    // the copy's temporary file, which saving the copy would overwrite and
    // move, is refused.
    std::string standIn = Replay::getPath(0, true);
    bool copied = false;
    if (!r.replayFile.empty()) {
        std::string bytes;
        if (!readNamedFile(program, r.replayFile, &bytes))
            return 1;
        if (sameFile(r.replayFile, pathToDocument(standIn + ".tmp"))) {
            fprintf(stderr, "%s: cannot play %s: it is the temporary file of the replay's copy\n", program,
                    r.replayFile.c_str());
            return 1;
        }
        if (!sameFile(r.replayFile, pathToDocument(standIn))) {
            if (!writeDocumentBytes(standIn, bytes))
                return 1;
            copied = true;
        }
        replayId = 0;
        replayWeb = true;
    }
    StatePlay* play =
        playback ? newPlaybackScreen(replayId, replayWeb, &error) : newPlayScreenForLevel(r.level, &error);
    if (copied)
        myRemoveForDocument(standIn);
    if (!play) {
        // A replay file is named as the user gave it, not by its stand-in document.
        if (!r.replayFile.empty()) {
            for (size_t at = error.find(standIn); at != std::string::npos;
                 at = error.find(standIn, at + r.replayFile.size())) {
                error.replace(at, standIn.size(), r.replayFile);
            }
        }
        fprintf(stderr, "%s: %s\n", program, error.c_str());
        return 1;
    }

    input.setPilotState(play->getLuaState());
    HashChain hashes;
    LevelRun run(play);
    int size = playback ? play->getReplay()->getSizeOfReplay() : r.steps;
    // Frames that do not step (a quick pause that no touch lifts) are bounded.
    int lastHashed = 0;
    bool going = true;
    for (long frame = 0; Entity::time < size && frame < 4L * size + 600; frame++) {
        int x[2], y[2];
        input.touchesForStep(Entity::time, StatePlay::joysticks, x, y);
        going = run.frame(x, y, r.draw);
        if (Entity::time % 60 == 0 && Entity::time != lastHashed) {
            lastHashed = Entity::time;
            hashes.add(Entity::time);
        }
        if (!going || !input.pilotError().empty())
            break;
    }
    if (!input.pilotError().empty()) {
        fprintf(stderr, "%s: %s\n", program, input.pilotError().c_str());
        return 1;
    }
    // A game that neither ended nor ran its steps stopped stepping. The input
    // follows the steps: once a quick pause holds them, the touch that would
    // lift it is never given.
    int status = 0;
    if (going && Entity::time < size) {
        fprintf(stderr, "%s: stopped at step %i of %i: %s\n", program, Entity::time, size,
                play->isQuickPaused() ? "every finger was lifted with Auto-pause on, and the paused game waits "
                                        "for a touch that input given by steps never makes"
                                      : "the game stopped stepping");
        status = 1;
    }
    hashes.add(Entity::time);
    // A replay is announced only once saved; a save that failed has said why
    // on the standard error stream, and the run ends with status 1.
    int savedReplay = 0;
    if (r.saveReplay && !run.next && play->getReplay() && !playback)
        savedReplay = play->getReplay()->save();
    // A finished infinity game saved its replay for the score entry.
    if (StateConfirmScore* entry = dynamic_cast<StateConfirmScore*>(run.next))
        savedReplay = entry->replay;
    if (savedReplay > 0)
        printf("replay %i\n", savedReplay);
    else if (savedReplay < 0)
        status = 1;
    printf("score %i\nsteps %i\nhash %016" PRIx64 "\n", Game::getScore(), Entity::time, worldHash());

    if (!r.hashesOut.empty() && !writeHashes(program, r.hashesOut, hashes.lines))
        status = 1;
    if (!r.hashesIn.empty()) {
        for (size_t i = 0; i < hashes.lines.size() || i < expected.size(); i++) {
            std::string got = i < hashes.lines.size() ? hashes.lines[i] : "(none)";
            std::string want = i < expected.size() ? expected[i] : "(none)";
            if (got != want) {
                // Checkpoint k covers the steps of the k-th second of play.
                int step = atoi((i < expected.size() ? want : got).c_str());
                fprintf(stderr, "hashes differ from second %i on (step %i): expected \"%s\", got \"%s\"\n",
                        (step + 59) / 60, step, want.c_str(), got.c_str());
                status = 3;
                break;
            }
        }
    }
    return status;
}

int main(int argc, char** argv) {
    std::vector<Run> runs;
    for (int at = 1; at <= argc; at++) {
        runs.emplace_back();
        int status = parseRun(argc, argv, &at, &runs.back());
        if (status >= 0)
            return status;
    }

    setenv("ZORBIX_HEADLESS", "1", 1);
    // The simulator makes no sound: no audio device is opened, nor the music.
    SoundManager::withoutDevice();
    AudioPlayer::deferOpening();
    if (mainStartUp() != 0)
        return 1;
    // Each run starts from the preferences' difficulty, not from the last run's.
    int difficulty = Preferences::getInstance()->getDifficultySettings();
    int status = 0;
    for (size_t i = 0; i < runs.size(); i++) {
        const Run& r = runs[i];
        if (runs.size() > 1)
            printf("== run %zu: %s\n", i + 1, r.arguments.c_str());
        fflush(stdout);
        Preferences::getInstance()->setDifficultySettings(difficulty);
        int result = play(argv[0], r);
        for (auto& s : r.scripts)
            LuaScriptList::getInstance()->removeScriptForTests(s.first);
        if (runs.size() > 1)
            printf("== run %zu: status %i\n", i + 1, result);
        fflush(stdout);
        if (status == 0)
            status = result;
    }
    return status;
}
