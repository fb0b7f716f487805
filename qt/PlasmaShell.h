// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>

class QWidget;
struct org_kde_plasma_shell;

namespace stackfall {

// KWin's plasma-shell extension on Qt's own Wayland connection: through it a
// window asks to be left out of the task manager and the window switcher,
// which xdg-shell cannot say.
class PlasmaShell {
public:
    // Null where the platform is not Wayland or the compositor does not offer
    // the extension (any compositor but KWin).
    [[nodiscard]] static std::unique_ptr<PlasmaShell> bind();
    ~PlasmaShell();
    PlasmaShell(const PlasmaShell&) = delete;
    PlasmaShell& operator=(const PlasmaShell&) = delete;

    // For the surface `window` has now; each showing on Wayland brings a new
    // one. The extension's object lives as long as the window.
    void skipWindowLists(QWidget& window);

private:
    PlasmaShell(org_kde_plasma_shell* shell, std::uint32_t version);

    org_kde_plasma_shell* shell_;
    std::uint32_t version_;
};

} // namespace stackfall
