// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace stackfall {

class PlasmaShell;

// In the Wayland module: the extension on Qt's Wayland connection, or null
// where the compositor does not offer it. Owned by the caller.
[[nodiscard]] PlasmaShell* bindKwinPlasmaShell();

} // namespace stackfall
