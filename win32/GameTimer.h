// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

namespace stackfall {

// A timer as the rules see one: enabled or not, with a period; it ticks
// only while enabled with a period above zero. Its ticks reach `window` as
// WM_TIMER with `id`.
class GameTimer {
public:
    GameTimer(UINT_PTR id, int interval) : id_(id), interval_(interval) {}
    GameTimer(const GameTimer&) = delete;
    GameTimer& operator=(const GameTimer&) = delete;

    void attach(HWND window) { window_ = window; }
    void setEnabled(bool enabled);
    void setInterval(int milliseconds);
    [[nodiscard]] UINT_PTR id() const { return id_; }
    [[nodiscard]] bool running() const { return running_; }

private:
    void apply();

    UINT_PTR id_;
    int interval_;
    HWND window_ = nullptr;
    bool enabled_ = false;
    bool running_ = false;
};

} // namespace stackfall
