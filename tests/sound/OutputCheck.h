// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DiskOutput.h"

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace stackfall::testing {

// How much of the device's output is silence at the start.
[[nodiscard]] std::size_t leadingSilence(std::span<const Frame> frames);
[[nodiscard]] bool silent(std::span<const Frame> frames);

// When the output is silence, the first k frames of `first`, all of
// `second`, then silence, gives k, the part of `first` that was heard
// before `second` replaced it; otherwise nothing. Nothing else may be heard,
// least of all the two sounds mixed.
[[nodiscard]] std::optional<std::size_t> cutPoint(std::span<const Frame> output,
                                                  std::span<const Frame> first,
                                                  std::span<const Frame> second);

// When the output is silence, then `sound` from its start again and again,
// each time up to where the next start cut it off, then silence, gives the
// lengths heard; otherwise nothing. The last run may or may not be complete.
// `sound` must never repeat a frame, so that every restart shows.
[[nodiscard]] std::optional<std::vector<std::size_t>> restarts(std::span<const Frame> output,
                                                               std::span<const Frame> sound);

} // namespace stackfall::testing
