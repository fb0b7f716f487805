// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace stackfall {

// Asks an X11 window manager to leave `window` out of the taskbar and the
// pager (_NET_WM_STATE_SKIP_TASKBAR and _NET_WM_STATE_SKIP_PAGER). It must not
// be mapped yet: Qt keeps these hints when it maps the window, but a window
// manager reads them only then. Does nothing on other platforms.
void setSkipTaskbarAndPager(QWidget& window);

} // namespace stackfall
