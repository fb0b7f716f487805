// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ClickTracker.h"
#include "Fonts.h"
#include "Surface.h"
#include "SurfaceModel.h"
#include "TabOrder.h"
#include "WindowOps.h"

#include <QWidget>

#include <optional>
#include <string_view>

class QLineEdit;
class QScrollBar;

namespace stackfall {

class CaptionBox;
class GameTimer;
class Game;
class Gamepads;

// The main window. It shows what the game sets and passes every event to the
// game's handlers; it decides nothing itself.
class MainWindow final : public QWidget {
    Q_OBJECT
public:
    MainWindow();

    // Wires the window's events to the game's handlers. Until then the
    // window shows its design and reports nothing.
    void attach(Game& game);

    // What the game changes, as the window operations reach it: the
    // surface's graphics, repainted where `invalidate` says; the panels'
    // texts; the timers; the focus; and the questions, asked over the window.
    [[nodiscard]] SurfaceModel& surface() { return model_; }
    [[nodiscard]] const SurfaceModel& surface() const { return model_; }
    void invalidate(const Rect& r);
    void setPanelText(Label label, std::string_view text);
    [[nodiscard]] GameTimer& timer(Timer which) const;
    using QWidget::setFocus;
    void setFocus(FocusTarget target);
    [[nodiscard]] Answer ask(const Question& question);
    // The pads learn of the questions' opening and closing.
    void attach(Gamepads& gamepads) { gamepads_ = &gamepads; }

    [[nodiscard]] CaptionBox& clockPanel() const { return *clockPanel_; }
    [[nodiscard]] CaptionBox& scorePanel() const { return *scorePanel_; }
    [[nodiscard]] QScrollBar& levelBar() const { return *levelBar_; }
    // Off screen: takes the focus after a level change. Made when first
    // asked for, or at the first Tab or Shift+Tab.
    [[nodiscard]] QLineEdit& focusKeeper();
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
    // Tab and Shift+Tab, from any control of the window.
    bool focusNextPrevChild(bool next) override;

private:
    void click(buttons::PictureButton button);
    // The control that takes the focus as `which`.
    [[nodiscard]] QWidget& control(focus::Control which);
    // The captions' faces, resolved when the window is first drawn, after it
    // has been shown, as the toolkit's own widgets load their fonts: the
    // window maps without waiting for the font database.
    [[nodiscard]] const CaptionFaces& faces();

    SurfaceModel model_;
    std::optional<CaptionFaces> faces_;
    Surface surface_;
    CaptionBox* clockPanel_;
    CaptionBox* scorePanel_;
    QScrollBar* levelBar_;
    QLineEdit* focusKeeper_ = nullptr;
    GameTimer* gravityTimer_;
    GameTimer* clockTimer_;
    Game* game_ = nullptr;
    buttons::ClickTracker clicks_;
    Gamepads* gamepads_ = nullptr;
};

} // namespace stackfall
