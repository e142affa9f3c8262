// Steps per second of the seeded test world (walls of every kind, 120 movers,
// explosions, blasts and messages).
#include <benchmark/benchmark.h>

#include "../tests/support/WorldTestScene.h"

static void BM_WorldStep(benchmark::State& state) {
    scene::World world(2026, (int)state.range(0));
    int i = 0;
    // Warm up into the busy part of the scene.
    for (; i < 500; i++)
        world.step(i);
    for (auto _ : state) {
        world.step(i++);
        if (i == 1000000)
            i = 500;
    }
    state.counters["steps_per_second"] = benchmark::Counter((double)state.iterations(), benchmark::Counter::kIsRate);
    state.counters["entities"] = (double)Entity::entityVector.size();
}
BENCHMARK(BM_WorldStep)->Arg(120)->Arg(500);

static void BM_WallLookup(benchmark::State& state) {
    scene::World world(2026, 0);
    Coord p(0, 0, 0);
    unsigned int k = 0;
    for (auto _ : state) {
        k = k * 1664525u + 1013904223u;
        p.x = (float)(k % 2000);
        p.y = (float)((k >> 11) % 1500);
        benchmark::DoNotOptimize(world.partition->walls.getFirstObject(p));
    }
}
BENCHMARK(BM_WallLookup);
