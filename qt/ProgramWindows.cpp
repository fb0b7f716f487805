// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramWindows.h"

#include "GameTimer.h"
#include "Geometry.h"
#include "MainWindow.h"
#include "PictureWindow.h"
#include "TopWindows.h"

#include <QGuiApplication>
#include <QScreen>

#include <utility>

namespace stackfall {

namespace {

std::unique_ptr<PictureWindow> build(Window which) {
    const windows::PictureWindowLook& look = windows::lookOf(which);
    return std::make_unique<PictureWindow>(toQString(look.title), toQSize(look.size),
                                           toQString(look.picture));
}

void centreOn(QWidget& window, const QScreen* screen) {
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen != nullptr) {
        const QRect area = screen->availableGeometry();
        window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
    }
}

// sway 1.7 answers a request to activate a window by marking it urgent, or
// gives it the focus but leaves it behind; every other desktop the game
// knows brings it forward.
bool activationIgnored() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland")) &&
           qEnvironmentVariableIsSet("SWAYSOCK");
}

} // namespace

ProgramWindows::ProgramWindows(MainWindow& main, Quit quit) : main_(main), quit_(std::move(quit)) {
    connect(&main_, &MainWindow::closed, this, [this] {
        if (lifetime_.mainClosed()) {
            quit_(0);
        }
    });
}

ProgramWindows::~ProgramWindows() = default;

std::unique_ptr<PictureWindow>& ProgramWindows::slot(Window which) {
    return which == Window::GameOver ? gameOver_ : about_;
}

PictureWindow* ProgramWindows::window(Window which) const {
    return (which == Window::GameOver ? gameOver_ : about_).get();
}

void ProgramWindows::show(Window which) {
    if (lifetime_.ended()) {
        return;
    }
    auto& window = slot(which);
    if (!window) {
        window = build(which);
        lifetime_.opened(which);
        connect(window.get(), &PictureWindow::closed, this, [this, which] { closed(which); });
        centreOn(*window, main_.screen());
    }
    if (!window->isVisible()) {
        lists_.beforeShow(*window);
        window->show();
        lists_.afterShow(*window);
    } else if (!window->isActiveWindow() && activationIgnored()) {
        // Shown afresh, it comes on top with the focus. A Wayland window
        // cannot place itself, so the compositor may put it elsewhere.
        window->hide();
        window->show();
        lists_.afterShow(*window);
    }
    window->raise();
    window->activateWindow();
}

void ProgramWindows::closed(Window which) {
    // The window is still inside its own click: it goes at the next turn of
    // the event loop.
    if (auto& window = slot(which)) {
        window.release()->deleteLater();
    }
    if (lifetime_.closed(which)) {
        quit_(0);
    }
}

void ProgramWindows::endProgram() {
    if (!lifetime_.exitConfirmed()) {
        return;
    }
    main_.gravityTimer().setEnabled(false);
    main_.clockTimer().setEnabled(false);
    gameOver_.reset();
    about_.reset();
    main_.hide();
    quit_(0);
}

} // namespace stackfall
