// SPDX-License-Identifier: GPL-3.0-or-later
#include "OutputCheck.h"

#include <algorithm>

namespace stackfall::testing {
namespace {

constexpr Frame quiet{0, 0};

// How many frames of `sound` the output repeats from `at` on.
std::size_t matching(std::span<const Frame> output, std::size_t at, std::span<const Frame> sound) {
    std::size_t n = 0;
    while (at + n < output.size() && n < sound.size() && output[at + n] == sound[n]) {
        ++n;
    }
    return n;
}

} // namespace

std::size_t leadingSilence(std::span<const Frame> frames) {
    const auto sound =
        std::find_if(frames.begin(), frames.end(), [](const Frame& f) { return f != quiet; });
    return static_cast<std::size_t>(sound - frames.begin());
}

bool silent(std::span<const Frame> frames) {
    return leadingSilence(frames) == frames.size();
}

std::optional<std::size_t> cutPoint(std::span<const Frame> output, std::span<const Frame> first,
                                    std::span<const Frame> second) {
    // A sound may begin with silent frames of its own, so the start can lie
    // a little before the first frame that is heard.
    const std::size_t heard = leadingSilence(output);
    const std::size_t ownSilence = std::max(leadingSilence(first), leadingSilence(second));
    for (std::size_t start = heard - std::min(heard, ownSilence); start <= heard; ++start) {
        const std::size_t longest = matching(output, start, first);
        for (std::size_t k = 0; k <= longest; ++k) {
            const std::size_t end = start + k + second.size();
            if (end <= output.size() && matching(output, start + k, second) == second.size() &&
                silent(output.subspan(end)) && silent(output.subspan(0, start))) {
                return k;
            }
        }
    }
    return std::nullopt;
}

std::optional<std::vector<std::size_t>> restarts(std::span<const Frame> output,
                                                 std::span<const Frame> sound) {
    std::vector<std::size_t> runs;
    std::size_t at = leadingSilence(output);
    while (at < output.size() && !silent(output.subspan(at))) {
        const std::size_t run = matching(output, at, sound);
        if (run == 0) {
            return std::nullopt;
        }
        runs.push_back(run);
        at += run;
    }
    return runs;
}

} // namespace stackfall::testing
