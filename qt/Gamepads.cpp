// SPDX-License-Identifier: GPL-3.0-or-later
#include "Gamepads.h"

#include "MainWindow.h"
#include "Questions.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QStyleHints>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdint>

#ifdef __linux__
#include <cerrno>
#include <fcntl.h>
#include <linux/input.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace stackfall {

namespace {

// Qt reports the desktop's repeat rate but not its delay, which stays at
// the default.
gamepad::RepeatTiming desktopRepeatTiming() {
    return gamepad::repeatTimingOf(0, QGuiApplication::styleHints()->keyboardAutoRepeatRate());
}

} // namespace

// One open event device: its descriptor, the range of its stick and the
// state of its d-pad, which comes as four buttons or as a hat.
struct Gamepads::Device {
    QString name;
    int fd = -1;
    QSocketNotifier* notifier = nullptr;
    std::array<int, 2> stickMin{-32768, -32768};
    std::array<int, 2> stickMax{32767, 32767};
    std::array<int, 2> stick{};
    bool up = false, down = false, left = false, right = false;
};

Gamepads::Gamepads(Game& game, MainWindow& mainWindow)
    : target_(game, answerOpenQuestion), input_(target_, desktopRepeatTiming()) {
    repeats_.setSingleShot(true);
    repeats_.setTimerType(Qt::PreciseTimer);
    connect(&repeats_, &QTimer::timeout, this, [this] {
        input_.tick(gamepad::Clock::now());
        repeatLater();
    });
    // Any window of the game: the main window, a picture window or a
    // question.
    input_.setFocused(QGuiApplication::focusWindow() != nullptr);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* window) {
        input_.setFocused(window != nullptr);
        repeatLater();
    });
    mainWindow.attach(*this);
}

Gamepads::~Gamepads() {
    stop();
}

void Gamepads::setQuestion(const Question* question) {
    input_.setQuestion(question);
    repeatLater();
}

void Gamepads::repeatLater() {
    if (const auto next = input_.nextRepeat()) {
        const auto wait =
            std::chrono::ceil<std::chrono::milliseconds>(*next - gamepad::Clock::now());
        repeats_.start(std::max<std::chrono::milliseconds>(wait, std::chrono::milliseconds{0}));
    } else {
        repeats_.stop();
    }
}

int Gamepads::count() const {
    return static_cast<int>(std::count_if(devices_.begin(), devices_.end(),
                                          [](const auto& device) { return device != nullptr; }));
}

#ifdef __linux__

bool Gamepads::reportsGamepadButtons(int fd) {
    std::array<unsigned char, KEY_MAX / 8 + 1> keys{};
    if (ioctl(fd, EVIOCGBIT(EV_KEY, keys.size()), keys.data()) < 0) {
        return false;
    }
    return (keys[BTN_GAMEPAD / 8] & (1U << (BTN_GAMEPAD % 8))) != 0;
}

void Gamepads::watch(const QString& folder, DeviceCheck isGamepad) {
    stop();
    folder_ = folder;
    isGamepad_ = std::move(isGamepad);
    watchFd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (watchFd_ < 0) {
        return;
    }
    // A node's permissions often change after it appears: IN_ATTRIB.
    if (inotify_add_watch(watchFd_, QFile::encodeName(folder).constData(),
                          IN_CREATE | IN_ATTRIB | IN_MOVED_TO | IN_DELETE | IN_MOVED_FROM) < 0) {
        ::close(std::exchange(watchFd_, -1));
        return;
    }
    watchNotifier_ = new QSocketNotifier(watchFd_, QSocketNotifier::Read, this);
    connect(watchNotifier_, &QSocketNotifier::activated, this, &Gamepads::folderChanged);
    openAll();
}

void Gamepads::openAll() {
    const QStringList names =
        QDir(folder_).entryList({QStringLiteral("event*")}, QDir::System | QDir::Files);
    for (const QString& name : names) {
        open(name);
    }
}

void Gamepads::stop() {
    for (std::size_t slot = 0; slot < devices_.size(); ++slot) {
        close(slot);
    }
    if (watchNotifier_ != nullptr) {
        watchNotifier_->setEnabled(false);
        std::exchange(watchNotifier_, nullptr)->deleteLater();
    }
    if (watchFd_ >= 0) {
        ::close(std::exchange(watchFd_, -1));
    }
}

void Gamepads::folderChanged() {
    alignas(inotify_event) std::array<char, 4096> buffer{};
    const ssize_t length = ::read(watchFd_, buffer.data(), buffer.size());
    for (ssize_t at = 0; at < length;) {
        const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
        at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        if ((event->mask & IN_Q_OVERFLOW) != 0) {
            openAll(); // changes were lost: whatever is there now
        }
        const QString name = event->len > 0 ? QFile::decodeName(event->name) : QString();
        if (!name.startsWith(QLatin1String("event"))) {
            continue;
        }
        if ((event->mask & (IN_DELETE | IN_MOVED_FROM)) != 0) {
            for (std::size_t slot = 0; slot < devices_.size(); ++slot) {
                if (devices_[slot] && devices_[slot]->name == name) {
                    close(slot);
                }
            }
        } else {
            open(name);
        }
    }
}

void Gamepads::open(const QString& name) {
    const auto taken = [&name](const auto& device) { return device && device->name == name; };
    const auto free = std::find(devices_.begin(), devices_.end(), nullptr);
    if (std::any_of(devices_.begin(), devices_.end(), taken) || free == devices_.end()) {
        return;
    }
    const QByteArray path = QFile::encodeName(folder_ + QLatin1Char('/') + name);
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return; // not (yet) the player's to read
    }
    if (!isGamepad_(fd)) {
        ::close(fd);
        return;
    }
    auto device = std::make_unique<Device>();
    device->name = name;
    device->fd = fd;
    // A pad's stick may report any range; with none (a recording), the full
    // one.
    const std::array<unsigned long, 2> ranges{EVIOCGABS(ABS_X), EVIOCGABS(ABS_Y)};
    for (std::size_t axis = 0; axis < ranges.size(); ++axis) {
        input_absinfo info{};
        if (ioctl(fd, ranges[axis], &info) == 0 && info.maximum > info.minimum) {
            device->stickMin[axis] = info.minimum;
            device->stickMax[axis] = info.maximum;
        }
    }
    const auto slot = static_cast<std::size_t>(free - devices_.begin());
    device->notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(device->notifier, &QSocketNotifier::activated, this, [this, slot] { read(slot); });
    *free = std::move(device);
}

void Gamepads::close(std::size_t slot) {
    if (!devices_[slot]) {
        return;
    }
    const std::unique_ptr<Device> device = std::move(devices_[slot]);
    // It may be its own notifier's signal that ends here.
    device->notifier->setEnabled(false);
    device->notifier->deleteLater();
    ::close(device->fd);
    input_.unplugged(slot);
    repeatLater();
}

namespace {

// A stick's value scaled to -32768..32767 about the middle of its range.
int scaled(int value, int minimum, int maximum) {
    const std::int64_t span = std::int64_t{maximum} - minimum;
    return static_cast<int>(((std::int64_t{value} - minimum) * 2 - span) * 32767 / span);
}

std::optional<gamepad::Button> buttonOf(unsigned code) {
    switch (code) {
    case BTN_SOUTH:
        return gamepad::Button::South;
    case BTN_EAST:
        return gamepad::Button::East;
    case BTN_START:
        return gamepad::Button::Start;
    case BTN_SELECT:
        return gamepad::Button::Back;
    default:
        return std::nullopt;
    }
}

} // namespace

// One event a call: handling it may open a question, whose own event loop
// reads the events that follow, in their order.
void Gamepads::read(std::size_t slot) {
    Device& device = *devices_[slot];
    input_event event{};
    const ssize_t got = ::read(device.fd, &event, sizeof event);
    if (got != static_cast<ssize_t>(sizeof event)) {
        if (got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR)) {
            close(slot); // unplugged
        }
        return;
    }
    const auto now = gamepad::Clock::now();
    const bool pressed = event.value != 0;
    bool dpadChanged = false;
    if (event.type == EV_KEY) {
        if (const auto button = buttonOf(event.code)) {
            // After a question the device may be gone.
            input_.button(slot, *button, pressed);
            repeatLater();
            return;
        }
        dpadChanged = true;
        switch (event.code) {
        case BTN_DPAD_UP:
            device.up = pressed;
            break;
        case BTN_DPAD_DOWN:
            device.down = pressed;
            break;
        case BTN_DPAD_LEFT:
            device.left = pressed;
            break;
        case BTN_DPAD_RIGHT:
            device.right = pressed;
            break;
        default:
            dpadChanged = false;
        }
    } else if (event.type == EV_ABS && (event.code == ABS_X || event.code == ABS_Y)) {
        const std::size_t axis = event.code == ABS_Y;
        device.stick[axis] = scaled(event.value, device.stickMin[axis], device.stickMax[axis]);
        input_.stick(slot, device.stick[0], device.stick[1], now);
    } else if (event.type == EV_ABS && event.code == ABS_HAT0X) {
        device.left = event.value < 0;
        device.right = event.value > 0;
        dpadChanged = true;
    } else if (event.type == EV_ABS && event.code == ABS_HAT0Y) {
        device.up = event.value < 0;
        device.down = event.value > 0;
        dpadChanged = true;
    }
    if (dpadChanged) {
        input_.dpad(slot, gamepad::dpadDirection(device.up, device.down, device.left, device.right),
                    now);
    }
    repeatLater();
}

#else

bool Gamepads::reportsGamepadButtons(int /*fd*/) {
    return false;
}

// Gamepads are read on Linux only.
void Gamepads::watch(const QString& /*folder*/, DeviceCheck /*isGamepad*/) {
}
void Gamepads::stop() {
}
void Gamepads::folderChanged() {
}
void Gamepads::open(const QString& /*name*/) {
}
void Gamepads::close(std::size_t /*slot*/) {
}
void Gamepads::read(std::size_t /*slot*/) {
}

#endif

} // namespace stackfall
