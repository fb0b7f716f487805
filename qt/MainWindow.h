// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PictureButtons.h"
#include "Surface.h"

#include <QWidget>

class QLineEdit;
class QScrollBar;

namespace stackfall {

class CaptionBox;
class GameTimer;
class Game;

// The main window. It shows what the game sets and passes every event to the
// game's handlers; it decides nothing itself.
class MainWindow final : public QWidget {
    Q_OBJECT
public:
    MainWindow();

    // Wires the window's events to the game's handlers. Until then the
    // window shows its design and reports nothing.
    void attach(Game& game);

    // What the game changes; each repaints only what it touched.
    void setCellFill(int cell, QColor colour);
    void setCellOutline(int cell, QColor colour);
    void setBorderFill(int segment, QColor colour);
    void setPreviewFill(int cell, QColor colour);
    void setLevelText(const QString& text);
    void setPauseVisible(bool visible);

    [[nodiscard]] const Surface& surface() const { return surface_; }
    [[nodiscard]] CaptionBox& clockPanel() const { return *clockPanel_; }
    [[nodiscard]] CaptionBox& scorePanel() const { return *scorePanel_; }
    [[nodiscard]] QScrollBar& levelBar() const { return *levelBar_; }
    // Off screen: takes the focus after a level change (see the constructor).
    [[nodiscard]] QLineEdit& focusKeeper() const { return *focusKeeper_; }
    [[nodiscard]] GameTimer& gravityTimer() const { return *gravityTimer_; } // gravity
    [[nodiscard]] GameTimer& clockTimer() const { return *clockTimer_; }     // clock

signals:
    // The player closed the window; its timers have stopped.
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    using Button = buttons::PictureButton;
    void click(Button button);

    Surface surface_;
    CaptionBox* clockPanel_;
    CaptionBox* scorePanel_;
    QScrollBar* levelBar_;
    QLineEdit* focusKeeper_;
    GameTimer* gravityTimer_;
    GameTimer* clockTimer_;
    Game* game_ = nullptr;
    Button pressed_ = Button::None;
};

} // namespace stackfall
