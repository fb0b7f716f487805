// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SoundOutput.h"

#include <span>
#include <windows.h>

namespace stackfall {

// Plays the wave sounds embedded as resources of type "SOUNDS", ids 1 to 3,
// straight from the executable's memory, which stays in place while the
// system plays from it. Each sound cuts off the one still playing. Without
// an audio device nothing sounds and nothing is reported.
class SoundPlayer final : public SoundOutput {
public:
    explicit SoundPlayer(HINSTANCE instance) : instance_(instance) {}

    void play(Sound sound) override;

    // The wave image of `sound`; empty when it is missing.
    [[nodiscard]] std::span<const std::byte> waveImage(Sound sound) const;

private:
    HINSTANCE instance_;
};

} // namespace stackfall
