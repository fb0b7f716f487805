// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameTimer.h"

namespace stackfall {

void GameTimer::setEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    apply();
}

void GameTimer::setInterval(int milliseconds) {
    interval_ = milliseconds < 0 ? 0 : milliseconds;
    apply();
}

// Setting a running timer again starts its period afresh, as a new period
// takes effect at once.
void GameTimer::apply() {
    if (window_ == nullptr) {
        return;
    }
    if (enabled_ && interval_ > 0) {
        running_ = SetTimer(window_, id_, static_cast<UINT>(interval_), nullptr) != 0;
    } else if (running_) {
        KillTimer(window_, id_);
        running_ = false;
    }
}

} // namespace stackfall
