// Run: sound_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include "Module1.h"
#include "ResourceLookup.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using stackfall::embeddedResource;
using stackfall::Module1;

// On SDL's silent "dummy" device, which takes sounds like a real one. The
// first call opens the device and is left out; every later call replaces
// the sound still queued, as in a game.
void PlaySoundRes(benchmark::State& state) {
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    const int id = static_cast<int>(state.range(0));
    Module1 module(embeddedResource);
    module.PlaySoundRes(id);
    for (auto _ : state) {
        module.PlaySoundRes(id);
    }
    benchmark::DoNotOptimize(module.soundBuffer().data());
}
BENCHMARK(PlaySoundRes)->DenseRange(1, 3)->Unit(benchmark::kMicrosecond);

// Without any audio driver every call tries again to bring up audio.
void PlaySoundResWithoutDevice(benchmark::State& state) {
    ::setenv("SDL_AUDIODRIVER", "nosuchdriver", 1);
    Module1 module(embeddedResource);
    for (auto _ : state) {
        module.PlaySoundRes(2);
    }
    benchmark::DoNotOptimize(module.soundBuffer().data());
}
BENCHMARK(PlaySoundResWithoutDevice)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
