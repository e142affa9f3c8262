// A 10-minute replay (36,000 steps) re-simulated headless and undrawn, as a
// multiple of real time: the pinned ten minutes of the busiest infinity level,
// or, when ZORBIX_BENCH_REPLAY names a replay file (with ZORBIX_BENCH_LEVEL for
// a level script to put under its path), that replay.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "Startup.h"
#include "core/Entity.h"
#include "core/MainLoop.h"
#include "core/myfopen.h"
#include "levelplay/LevelRun.h"
#include "levelplay/LuaScriptList.h"
#include "levelplay/Replay.h"
#include "levelplay/StatePlay.h"

namespace {
const char* defaultReplay = ZORBIX_SOURCE_DIR "/tests/data/replays/infinity-chromatic-conflict-10min.txt";

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The headless game in a scratch folder, and the replay to run: the id of a
// downloaded replay document.
int prepare() {
    static int id = -1;
    if (id >= 0)
        return id;
    char pattern[] = "/tmp/zorbix_bench_XXXXXX";
    if (!mkdtemp(pattern) || chdir(pattern) != 0 || system("mkdir -p data app/native") != 0)
        abort();
    setenv("ZORBIX_HEADLESS", "1", 1);
    setenv("ALSOFT_DRIVERS", "null", 1);
    if (mainStartUp() != 0)
        abort();
    const char* replayFile = getenv("ZORBIX_BENCH_REPLAY");
    const char* levelFile = getenv("ZORBIX_BENCH_LEVEL");
    std::string bytes = readFile(replayFile ? replayFile : defaultReplay);
    if (bytes.empty())
        abort();
    std::ofstream("data/" + Replay::getPath(1, true), std::ios::binary) << bytes;
    if (levelFile)
        LuaScriptList::getInstance()->addScriptForTests(bytes.substr(0, bytes.find('\n')), readFile(levelFile));
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
