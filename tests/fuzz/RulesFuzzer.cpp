// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target over the game rules: the input is a stream of window
// events (see Events.h), each checked by the invariant checker and by what
// the rules must refuse. Prints how many events it checked when it exits.

#include "Player.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

namespace {

stackfall::fuzz::Reach total;
std::chrono::steady_clock::time_point started;

void report() {
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    const auto n = [](std::int64_t v) { return static_cast<long long>(v); };
    std::fprintf(
        stderr,
        "stackfall rules fuzzer: %lld events checked in %.1f s, %.0f events/s\n"
        "stackfall rules fuzzer: reached games %lld, landings %lld, row removals %lld (%lld rows), "
        "game overs %lld, turns general %lld line %lld still %lld, pauses %lld, "
        "restarts %lld, exits %lld, events in questions %lld, in sounds %lld\n",
        n(total.events), seconds, seconds > 0 ? static_cast<double>(total.events) / seconds : 0.0,
        n(total.games), n(total.landings), n(total.rowRemovals), n(total.rowsRemoved),
        n(total.gameOvers), n(total.generalTurns), n(total.lineTurns), n(total.stillTurns),
        n(total.pauses), n(total.restarts), n(total.exits), n(total.duringQuestions),
        n(total.duringSounds));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    started = std::chrono::steady_clock::now();
    std::atexit(report);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    stackfall::fuzz::Player player({data, size});
    player.play();
    total += player.reach();
    return 0;
}
