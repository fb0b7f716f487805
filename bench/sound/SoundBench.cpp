// SPDX-License-Identifier: GPL-3.0-or-later
// Run: SDL_AUDIODRIVER=dummy sound_bench --benchmark_repetitions=10
//          --benchmark_report_aggregates_only=true
#include "EmbeddedSounds.h"
#include "SoundPlayer.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <optional>

namespace {

using stackfall::embeddedSounds;
using stackfall::Sound;
using stackfall::SoundPlayer;

// On SDL's silent "dummy" device, which takes sounds like a real one.

// A play after the first, as most are in a game: the sound was decoded by
// the first call, which also opened the device and is left out. Every call
// replaces the sound still queued.
void play(benchmark::State& state) {
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    const auto sound = static_cast<Sound>(state.range(0));
    SoundPlayer player(embeddedSounds());
    player.play(sound);
    if (!player.deviceOpen()) {
        state.SkipWithError("no audio device");
    }
    for (auto _ : state) {
        player.play(sound);
    }
}
BENCHMARK(play)->DenseRange(1, 3)->Unit(benchmark::kMicrosecond);

// The first play of a sound: read, decode, convert and queue it, on a
// device that another sound has already opened.
void firstPlay(benchmark::State& state) {
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    const auto sound = static_cast<Sound>(state.range(0));
    const Sound opener = sound == Sound::Settled ? Sound::RowsRemoved : Sound::Settled;
    std::optional<SoundPlayer> player;
    for (auto _ : state) {
        state.PauseTiming();
        player.emplace(embeddedSounds());
        player->play(opener);
        if (!player->deviceOpen()) {
            state.SkipWithError("no audio device");
            break;
        }
        state.ResumeTiming();
        player->play(sound);
        state.PauseTiming();
        player.reset();
        state.ResumeTiming();
    }
}
// Each round opens and closes a device, tens of milliseconds off the clock.
BENCHMARK(firstPlay)->DenseRange(1, 3)->Iterations(30)->Unit(benchmark::kMicrosecond);

// Without any audio driver every call tries again to bring up audio.
void playWithoutDevice(benchmark::State& state) {
    ::setenv("SDL_AUDIODRIVER", "nosuchdriver", 1);
    SoundPlayer player(embeddedSounds());
    for (auto _ : state) {
        player.play(Sound::Turn);
    }
}
BENCHMARK(playWithoutDevice)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
