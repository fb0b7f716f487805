// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowLists.h"

#include "WaylandModule.h"

#ifdef STACKFALL_LINUX_WINDOW_LISTS
#include "X11SkipHints.h"
#endif

namespace stackfall {

WindowLists::WindowLists() = default;
WindowLists::~WindowLists() = default;

void WindowLists::beforeShow([[maybe_unused]] QWidget& window) {
#ifdef STACKFALL_LINUX_WINDOW_LISTS
    setSkipTaskbarAndPager(window);
#endif
}

void WindowLists::afterShow([[maybe_unused]] QWidget& window) {
#ifdef STACKFALL_LINUX_WINDOW_LISTS
    if (!plasmaShellSought_) {
        plasmaShellSought_ = true;
        plasmaShell_ = bindPlasmaShell();
    }
    if (plasmaShell_) {
        plasmaShell_->skipWindowLists(window);
    }
#endif
}

} // namespace stackfall
