// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace stackfall {

// The keys the game listens to; the window passes nothing for any other key.
enum class GameKey { Left, Right, Turn, Down, Pause };

} // namespace stackfall
