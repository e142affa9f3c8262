// Steps per second of a lane level: 2,000 lane enemies bouncing between the
// walls of a 4096-unit arena, with their lane counters kept up to date.
#include <benchmark/benchmark.h>

#include "../tests/support/ActorTestKit.h"
#include "actors/OptimizedBAF.h"

static void BM_OptimizedBAFStep(benchmark::State& state) {
    actortest::Arena arena(4096, 4096, 7);
    arena.border(20);
    int n = (int)state.range(0);
    for (int i = 0; i < n; i++) {
        // Spread over rows and columns, every direction and type.
        float x = 60.0f + (float)((i * 977) % 3970);
        float y = 60.0f + (float)((i * 613) % 3970);
        new OptimizedBAF(Coord(x, y, 0.0f), i % 12);
    }
    for (int i = 0; i < 50; i++)
        arena.step();
    for (auto _ : state)
        arena.step();
    state.counters["steps_per_second"] = benchmark::Counter((double)state.iterations(), benchmark::Counter::kIsRate);
    state.counters["live"] = (double)OptimizedBAF::count2;
}
BENCHMARK(BM_OptimizedBAFStep)->Arg(2000);
