// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlTimer.h"

namespace stackfall {

ControlTimer::ControlTimer(QObject* parent, int interval) : QObject(parent), interval_(interval) {
    connect(&timer_, &QTimer::timeout, this, &ControlTimer::tick);
}

void ControlTimer::setEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    apply();
}

void ControlTimer::setInterval(int milliseconds) {
    interval_ = milliseconds < 0 ? 0 : milliseconds;
    apply();
}

void ControlTimer::apply() {
    if (enabled_ && interval_ > 0) {
        timer_.start(interval_);
    } else {
        timer_.stop();
    }
}

} // namespace stackfall
