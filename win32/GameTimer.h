// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerSetting.h"

#include <windows.h>

namespace stackfall {

// One of the game's timers, ticking as its TimerSetting says. Its ticks
// reach `window` as WM_TIMER with `id`.
class GameTimer {
public:
    GameTimer(UINT_PTR id, int interval) : id_(id), setting_(interval) {}
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
    TimerSetting setting_;
    HWND window_ = nullptr;
    bool running_ = false;
};

} // namespace stackfall
