// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>

namespace stackfall {

// One of the game's timers (gravity, clock): it ticks every `interval` ms while
// enabled, and not at all while disabled or while its interval is 0. Setting
// the interval of a running timer starts the wait afresh.
class GameTimer final : public QObject {
    Q_OBJECT
public:
    GameTimer(QObject* parent, int interval);

    void setEnabled(bool enabled);
    void setInterval(int milliseconds);
    [[nodiscard]] bool isEnabled() const { return enabled_; }
    [[nodiscard]] int interval() const { return interval_; }
    // Whether ticks are actually coming.
    [[nodiscard]] bool isTicking() const { return timer_.isActive(); }

signals:
    void tick();

private:
    void apply();

    QTimer timer_;
    bool enabled_ = false;
    int interval_ = 0;
};

} // namespace stackfall
