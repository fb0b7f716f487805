// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramWindows.h"

#include "GameTimer.h"
#include "Geometry.h"
#include "MainWindow.h"
#include "PictureWindow.h"
#include "Windows.h"

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

} // namespace

ProgramWindows::ProgramWindows(MainWindow& main, Quit quit) : main_(main), quit_(std::move(quit)) {
    connect(&main_, &MainWindow::closed, this, [this] {
        mainOpen_ = false;
        quitIfNoneLeft();
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
    if (ended_) {
        return;
    }
    auto& window = slot(which);
    if (!window) {
        window = build(which);
        connect(window.get(), &PictureWindow::closed, this, [this, which] { closed(which); });
        centreOn(*window, main_.screen());
    }
    window->show();
    window->raise();
}

void ProgramWindows::closed(Window which) {
    // The window is still inside its own click: it goes at the next turn of
    // the event loop.
    if (auto& window = slot(which)) {
        window.release()->deleteLater();
    }
    quitIfNoneLeft();
}

void ProgramWindows::quitIfNoneLeft() {
    if (!ended_ && !mainOpen_ && !gameOver_ && !about_) {
        ended_ = true;
        quit_(0);
    }
}

void ProgramWindows::endProgram() {
    if (ended_) {
        return;
    }
    ended_ = true;
    main_.gravityTimer().setEnabled(false);
    main_.clockTimer().setEnabled(false);
    gameOver_.reset();
    about_.reset();
    main_.hide();
    quit_(0);
}

} // namespace stackfall
