// A 10-minute replay (36,000 steps) re-simulated headless and undrawn, as a
// multiple of real time: the pinned ten minutes of the busiest infinity level,
// or, when ZORBIX_BENCH_REPLAY names a replay file (with ZORBIX_BENCH_LEVEL for
// a level script to put under its path), that replay. It runs in a scratch
// game folder that it removes when it ends.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "Startup.h"
#include "core/Entity.h"
#include "core/MainLoop.h"
#include "core/myfopen.h"
#include "levelplay/LevelRun.h"
#include "levelplay/Replay.h"
#include "levelplay/StatePlay.h"
#include "script/LuaScriptList.h"

namespace {
// The scratch game folder, removed with all it holds when the program ends.
char scratch[] = "/tmp/zorbix_bench_XXXXXX";

void removeScratch() {
    std::error_code ignored;
    std::filesystem::remove_all(scratch, ignored);
}

const char* defaultReplay = ZORBIX_SOURCE_DIR "/tests/data/replays/infinity-chromatic-conflict-10min.txt";

// The whole file named by the variable (or the default path); a file that
// cannot be read ends the program with a message naming it.
std::string readNamedFile(const char* variable, const char* fallback) {
    const char* path = getenv(variable);
    if (!path)
        path = fallback;
    std::string bytes;
    if (FILE* f = fopen(path, "rb")) {
        char block[65536];
        size_t n;
        while ((n = fread(block, 1, sizeof block, f)) > 0)
            bytes.append(block, n);
        if (ferror(f))
            bytes.clear();
        fclose(f);
    }
    if (bytes.empty()) {
        fprintf(stderr, "%s: cannot read \"%s\" (missing, empty or not a file)\n", variable, path);
        exit(2);
    }
    return bytes;
}

// The headless game in a scratch folder, and the replay to run: the id of a
// downloaded replay document. The files are read first, so that relative
// paths name files from where the benchmark was started.
int prepare() {
    static int id = -1;
    if (id >= 0)
        return id;
    std::string bytes = readNamedFile("ZORBIX_BENCH_REPLAY", defaultReplay);
    std::string level = getenv("ZORBIX_BENCH_LEVEL") ? readNamedFile("ZORBIX_BENCH_LEVEL", nullptr) : "";
    if (!mkdtemp(scratch)) {
        perror("making the benchmark's game folder");
        exit(2);
    }
    atexit(removeScratch);
    if (chdir(scratch) != 0 || system("mkdir -p data app/native") != 0) {
        perror("making the benchmark's game folder");
        exit(2);
    }
    setenv("ZORBIX_HEADLESS", "1", 1);
    setenv("ALSOFT_DRIVERS", "null", 1);
    if (mainStartUp() != 0)
        exit(2);
    std::ofstream("data/" + Replay::getPath(1, true), std::ios::binary) << bytes;
    if (!level.empty())
        LuaScriptList::getInstance()->addScriptForTests(bytes.substr(0, bytes.find('\n')), level);
    return id = 1;
}
}  // namespace

static void BM_ReplayTenMinutes(benchmark::State& state) {
    int id = prepare();
    int steps = 0;
    for (auto _ : state) {
        LevelRun run(new StatePlay(id, true, "bench"));
        int size = run.play->getReplay()->getSizeOfReplay();
        static const int none[2] = {-1, -1};
        while (run.play->getStepIndex() < size && run.frame(none, none, false)) {
        }
        steps = run.play->getStepIndex();
    }
    double seconds = steps / 60.0;
    state.counters["steps"] = steps;
    state.counters["x_realtime"] =
        benchmark::Counter(seconds * (double)state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ReplayTenMinutes)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
