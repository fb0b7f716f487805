// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace stackfall {

namespace timers {
// The clock ticks once a second. The gravity timer has no period until the
// rules' load step sets the level's.
inline constexpr int ClockPeriod = 1000;
inline constexpr int GravityPeriodAtOpen = 0;
} // namespace timers

// What the rules set on one of the game's timers (gravity, clock), kept by
// both front ends' timers: it ticks every `interval` ms while enabled, and
// not at all while disabled or while its interval is 0.
class TimerSetting {
public:
    explicit TimerSetting(int interval) : interval_(interval) {}

    // Whether that changed anything.
    bool setEnabled(bool enabled) {
        const bool changed = enabled != enabled_;
        enabled_ = enabled;
        return changed;
    }
    void setInterval(int milliseconds) { interval_ = milliseconds < 0 ? 0 : milliseconds; }

    [[nodiscard]] bool enabled() const { return enabled_; }
    [[nodiscard]] int interval() const { return interval_; }
    [[nodiscard]] bool ticks() const { return enabled_ && interval_ > 0; }

private:
    bool enabled_ = false;
    int interval_;
};

} // namespace stackfall
