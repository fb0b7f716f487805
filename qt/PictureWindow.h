// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Picture.h"

#include <QWidget>

namespace stackfall {

// A borderless window that shows one picture at its top left corner and
// closes when it is clicked: the game-over picture and the about box. It has
// no owner: an ordinary top-level window, so a click on the main window
// brings that one over it (ProgramWindows keeps it out of the window lists).
class PictureWindow final : public QWidget {
    Q_OBJECT
public:
    PictureWindow(const QString& title, QSize clientSize, const QString& pictureName);

signals:
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Picture picture_;
    bool pressed_ = false;
};

} // namespace stackfall
