// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace stackfall {

// The program's icon, in the sizes a window's icon is drawn at. Each size is
// decoded only when something asks for it, not when the window is made.
[[nodiscard]] QIcon programIcon();

} // namespace stackfall
