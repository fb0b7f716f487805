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

std::unique_ptr<PictureWindow> build(QWidget& owner, Window which) {
    const windows::PictureWindowLook& look = windows::lookOf(which);
    return std::make_unique<PictureWindow>(owner, toQString(look.title), toQSize(look.size),
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

} // namespace

ProgramWindows::ProgramWindows(MainWindow& main, Quit quit) : main_(main), quit_(std::move(quit)) {
    connect(&main_, &MainWindow::closed, this, [this] {
        // On Wayland, Qt takes an owned window away with its owner: the
        // pictures that stay open stand on their own from now on.
        for (PictureWindow* window : {gameOver_.get(), about_.get()}) {
            if (window != nullptr) {
                window->setParent(nullptr, window->windowFlags());
                window->show();
            }
        }
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
        window = build(main_, which);
        lifetime_.opened(which);
        connect(window.get(), &PictureWindow::closed, this, [this, which] { closed(which); });
        centreOn(*window, main_.screen());
    }
    // A Wayland window cannot put itself on top, and what a compositor does
    // when asked to activate one differs (sway 1.7 marks it urgent, or gives
    // it the focus but leaves it behind); shown afresh, it comes on top with
    // the focus. Under X11 the window manager raises it and gives it the focus.
    if (window->isVisible() && !window->isActiveWindow() &&
        QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        window->hide();
    }
    window->show();
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
