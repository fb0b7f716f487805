// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GamepadTarget.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace stackfall {

class Game;
class MainWindow;

// The gamepads on Linux, read from the kernel's event devices in a folder
// (/dev/input in the game) and sent to the rules as GamepadInput maps them.
// Every descriptor sits on the event loop: with no pad there is only the
// folder's change watch, and no timer runs; a timer runs only while a
// direction repeats. A pad plugged in, or a node that only later lets the
// player read it, is opened when the folder reports it. Devices that cannot
// be opened, and a folder that does not exist, are passed over in silence.
class Gamepads final : public QObject {
    Q_OBJECT
public:
    // Whether the open device `fd` has a gamepad's buttons.
    using DeviceCheck = std::function<bool(int fd)>;
    [[nodiscard]] static bool reportsGamepadButtons(int fd);

    Gamepads(Game& game, MainWindow& mainWindow);
    ~Gamepads() override;
    Gamepads(const Gamepads&) = delete;
    Gamepads& operator=(const Gamepads&) = delete;

    // Reads the pads of `folder` from now on, in place of any watched before.
    void watch(const QString& folder, DeviceCheck isGamepad = reportsGamepadButtons);
    // The pads open now.
    [[nodiscard]] int count() const;
    // The question whose box is open, or nullptr once it has closed.
    void setQuestion(const Question* question);
    // In place of the desktop's keyboard repeat.
    void setRepeatTiming(gamepad::RepeatTiming timing) { input_.setTiming(timing); }

private:
    struct Device;

    void stop();
    void folderChanged();
    void openAll();
    void open(const QString& name);
    void close(std::size_t slot);
    void read(std::size_t slot);
    void repeatLater();

    gamepad::GameTarget target_;
    gamepad::GamepadInput input_;
    QTimer repeats_;
    QString folder_;
    DeviceCheck isGamepad_;
    int watchFd_ = -1;
    QSocketNotifier* watchNotifier_ = nullptr;
    std::array<std::unique_ptr<Device>, gamepad::GamepadInput::MaxPads> devices_;
};

} // namespace stackfall
