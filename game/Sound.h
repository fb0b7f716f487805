// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace stackfall {

// The game's three sound effects, numbered as their embedded wave files.
enum class Sound { Settled = 1, Turn = 2, RowsRemoved = 3 };

} // namespace stackfall
