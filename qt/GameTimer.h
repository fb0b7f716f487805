// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerSetting.h"

#include <QTimer>

namespace stackfall {

// One of the game's timers, ticking as its TimerSetting says. Setting the
// interval of a running timer starts the wait afresh.
class GameTimer final : public QObject {
    Q_OBJECT
public:
    GameTimer(QObject* parent, int interval);

    void setEnabled(bool enabled);
    void setInterval(int milliseconds);
    [[nodiscard]] bool isEnabled() const { return setting_.enabled(); }
    [[nodiscard]] int interval() const { return setting_.interval(); }
    // Whether ticks are actually coming.
    [[nodiscard]] bool isTicking() const { return timer_.isActive(); }

signals:
    void tick();

private:
    void apply();

    QTimer timer_;
    TimerSetting setting_;
};

} // namespace stackfall
