// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameTimer.h"

#include "Failure.h"

namespace stackfall {

void GameTimer::setEnabled(bool enabled) {
    if (setting_.setEnabled(enabled)) {
        apply();
    }
}

void GameTimer::setInterval(int milliseconds) {
    setting_.setInterval(milliseconds);
    apply();
}

// Setting a running timer again starts its period afresh, as a new period
// takes effect at once.
void GameTimer::apply() {
    if (window_ == nullptr) {
        return;
    }
    if (setting_.ticks()) {
        if (SetTimer(window_, id_, static_cast<UINT>(setting_.interval()), nullptr) == 0) {
            failed(failure_);
        }
        running_ = true;
    } else if (running_) {
        KillTimer(window_, id_);
        running_ = false;
    }
}

} // namespace stackfall
