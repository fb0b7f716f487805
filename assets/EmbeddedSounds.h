// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Sound.h"
#include "SoundInterface.h"

#include <cstddef>
#include <span>

namespace stackfall {

// The wave image of one of the game's sounds, embedded in the executable as
// :/sounds/<number>.wav. A value outside the enumeration gives an empty span.
// The bytes live as long as the program.
[[nodiscard]] std::span<const std::byte> embeddedSound(Sound sound);

// All three, as the sound player takes them.
[[nodiscard]] SoundImages embeddedSounds();

} // namespace stackfall
