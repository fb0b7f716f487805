// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureWindow.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace stackfall {

// Not a tool window: X11 window managers keep those above the whole program.
PictureWindow::PictureWindow(const QString& title, QSize clientSize, const QString& pictureName)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), picture_(pictureName) {
    setWindowTitle(title);
    setFixedSize(clientSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // The margins right of and below the picture show the button face.
    painter.fillRect(event->rect(), palette().color(QPalette::Button));
    picture_.draw(painter, QPoint(0, 0));
}

void PictureWindow::mousePressEvent(QMouseEvent* event) {
    pressed_ = rect().contains(event->position().toPoint());
}

// Any button, anywhere in the window, picture or margin.
void PictureWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (pressed_ && rect().contains(event->position().toPoint())) {
        close();
    }
    pressed_ = false;
}

void PictureWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

} // namespace stackfall
