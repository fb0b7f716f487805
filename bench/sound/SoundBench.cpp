// Run: sound_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include "ResourceLookup.h"
#include "SoundPlayer.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using stackfall::embeddedResource;
using stackfall::SoundPlayer;

// On SDL's silent "dummy" device, which takes sounds like a real one. The
// first call opens the device and is left out; every later call replaces
// the sound still queued, as in a game.
void play(benchmark::State& state) {
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    const int id = static_cast<int>(state.range(0));
    SoundPlayer module(embeddedResource);
    module.play(id);
    for (auto _ : state) {
        module.play(id);
    }
    benchmark::DoNotOptimize(module.soundBuffer().data());
}
BENCHMARK(play)->DenseRange(1, 3)->Unit(benchmark::kMicrosecond);

// Without any audio driver every call tries again to bring up audio.
void PlaySoundResWithoutDevice(benchmark::State& state) {
    ::setenv("SDL_AUDIODRIVER", "nosuchdriver", 1);
    SoundPlayer module(embeddedResource);
    for (auto _ : state) {
        module.play(2);
    }
    benchmark::DoNotOptimize(module.soundBuffer().data());
}
BENCHMARK(PlaySoundResWithoutDevice)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
