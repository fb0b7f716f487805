// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace stackfall {

// Settles, before the application object exists, which window system Qt
// opens and how: Wayland first where the session is Wayland (X11 through
// the compositor if that fails), and no title bars of Qt's own where the
// compositor draws them. A platform named in QT_QPA_PLATFORM is kept.
void choosePlatform();

} // namespace stackfall
