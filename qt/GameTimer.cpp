// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameTimer.h"

namespace stackfall {

GameTimer::GameTimer(QObject* parent, int interval) : QObject(parent), interval_(interval) {
    connect(&timer_, &QTimer::timeout, this, &GameTimer::tick);
}

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

void GameTimer::apply() {
    if (enabled_ && interval_ > 0) {
        timer_.start(interval_);
    } else {
        timer_.stop();
    }
}

} // namespace stackfall
