// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameTimer.h"

namespace stackfall {

GameTimer::GameTimer(QObject* parent, int interval) : QObject(parent), setting_(interval) {
    connect(&timer_, &QTimer::timeout, this, &GameTimer::tick);
}

void GameTimer::setEnabled(bool enabled) {
    if (setting_.setEnabled(enabled)) {
        apply();
    }
}

void GameTimer::setInterval(int milliseconds) {
    setting_.setInterval(milliseconds);
    apply();
}

void GameTimer::apply() {
    if (setting_.ticks()) {
        timer_.start(setting_.interval());
    } else {
        timer_.stop();
    }
}

} // namespace stackfall
