// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerSetting.h"

#include <string_view>
#include <windows.h>

namespace stackfall {

// One of the game's timers, ticking as its TimerSetting says. Its ticks
// reach `window` as WM_TIMER with `id`. A timer Windows will not start ends
// the program with `failure` as its message.
class GameTimer {
public:
    GameTimer(UINT_PTR id, int interval, std::string_view failure)
        : id_(id), failure_(failure), setting_(interval) {}
    GameTimer(const GameTimer&) = delete;
    GameTimer& operator=(const GameTimer&) = delete;

    void attach(HWND window) { window_ = window; }
    void setEnabled(bool enabled);
    void setInterval(int milliseconds);
    [[nodiscard]] UINT_PTR id() const { return id_; }
    [[nodiscard]] bool running() const { return running_; }
    // Whether a WM_TIMER with `timerId` is a tick of this timer. Stopping a
    // timer leaves a tick already posted in the queue; it counts for nothing.
    [[nodiscard]] bool ticked(WPARAM timerId) const { return timerId == id_ && running_; }

private:
    void apply();

    UINT_PTR id_;
    std::string_view failure_;
    TimerSetting setting_;
    HWND window_ = nullptr;
    bool running_ = false;
};

} // namespace stackfall
