// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "CaptionBox.h"
#include "Captions.h"
#include "Fonts.h"
#include "Game.h"
#include "GameTimer.h"
#include "Geometry.h"
#include "Layout.h"
#include "Levels.h"
#include "Palette.h"
#include "ProgramIcon.h"
#include "TopWindows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <optional>

namespace stackfall {

namespace {

// The one place where a key press becomes a game key.
std::optional<GameKey> gameKeyOf(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Left:
        return GameKey::Left;
    case Qt::Key_Right:
        return GameKey::Right;
    case Qt::Key_Up:
        return GameKey::Turn;
    case Qt::Key_Down:
        return GameKey::Down;
    case Qt::Key_F3:
        return GameKey::Pause;
    default:
        return std::nullopt;
    }
}

} // namespace

MainWindow::MainWindow()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      clockPanel_(new CaptionBox(
          this, toQColor(palette::MidGrey),
          {toQString(captions::ClockText.text), fittedCaptionFont(captions::ClockText),
           toQColor(captions::ClockText.colour), toQRect(captions::ClockText.rect), true})),
      scorePanel_(new CaptionBox(
          this, toQColor(palette::Black),
          {toQString(captions::ScoreText.text), captionFont(captions::ScoreText),
           toQColor(captions::ScoreText.colour), toQRect(captions::ScoreText.rect), false})),
      levelBar_(new QScrollBar(Qt::Vertical, this)), focusKeeper_(new QLineEdit(this)),
      gravityTimer_(new GameTimer(this, 0)), clockTimer_(new GameTimer(this, 1000)) {
    setWindowTitle(toQString(windows::MainTitle));
    setWindowIcon(programIcon());
    setFixedSize(toQSize(layout::ClientSize));
    setAttribute(Qt::WA_OpaquePaintEvent);

    clockPanel_->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    clockPanel_->setGeometry(toQRect(layout::ClockPanel));
    scorePanel_->setGeometry(toQRect(layout::ScorePanel));

    levelBar_->setRange(1, levels::Count);
    levelBar_->setValue(1);
    levelBar_->setSingleStep(1);
    levelBar_->setPageStep(1);
    levelBar_->setFocusPolicy(Qt::StrongFocus); // scroll bars take no focus in Qt by default
    levelBar_->setGeometry(toQRect(layout::LevelBar));

    // The focus keeper is a text box right of the client area, never seen. A
    // level change moves the focus to it, so that the level bar does not keep
    // the focus and eat the arrow keys that steer the piece.
    focusKeeper_->setText(toQString(captions::FocusKeeperText));
    // Nobody sees it, and an editable box would blink its cursor twice a
    // second while it holds the focus, waking the program with no game on.
    focusKeeper_->setReadOnly(true);
    focusKeeper_->setGeometry(toQRect(layout::FocusKeeper));

    setTabOrder(clockPanel_, scorePanel_);
    setTabOrder(scorePanel_, levelBar_);
    setTabOrder(levelBar_, focusKeeper_);
    clockPanel_->setFocus();
}

void MainWindow::attach(Game& game) {
    game_ = &game;
    // The window sees each key before the control that has the focus, so the
    // game acts on every press, auto-repeats included, and the control (the
    // level bar, say) still handles the key afterwards.
    for (QWidget* control : {static_cast<QWidget*>(this), static_cast<QWidget*>(clockPanel_),
                             static_cast<QWidget*>(scorePanel_), static_cast<QWidget*>(levelBar_),
                             static_cast<QWidget*>(focusKeeper_)}) {
        control->installEventFilter(this);
    }
    connect(gravityTimer_, &GameTimer::tick, this, [&game] { game.gravityTick(); });
    connect(clockTimer_, &GameTimer::tick, this, [&game] { game.clockTick(); });
    connect(levelBar_, &QScrollBar::valueChanged, this,
            [&game](int value) { game.levelChosen(value); });
}

void MainWindow::setCellFill(int cell, QColor colour) {
    update(surface_.setCellFill(cell, colour));
}

void MainWindow::setCellOutline(int cell, QColor colour) {
    update(surface_.setCellOutline(cell, colour));
}

void MainWindow::setBorderFill(int segment, QColor colour) {
    update(surface_.setBorderFill(segment, colour));
}

void MainWindow::setPreviewFill(int cell, QColor colour) {
    update(surface_.setPreviewFill(cell, colour));
}

void MainWindow::setLevelText(const QString& text) {
    update(surface_.setLevelText(text));
}

void MainWindow::setPauseVisible(bool visible) {
    update(surface_.setPauseVisible(visible));
}

void MainWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    surface_.paint(painter, event->region());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // A key that the focused control leaves alone travels on up to the
    // window: only its first stop, the focus owner, counts.
    if (event->type() == QEvent::KeyPress && game_ != nullptr) {
        const QWidget* focus = QApplication::focusWidget();
        if (watched == (focus != nullptr ? focus : this)) {
            if (const auto key = gameKeyOf(static_cast<QKeyEvent*>(event)->key())) {
                game_->keyDown(*key);
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

namespace {

buttons::PictureButton buttonAt(QPoint pos) {
    return buttons::at(pos.x(), pos.y());
}

} // namespace

// A click is a press and a release of the left button over the same button.
void MainWindow::mousePressEvent(QMouseEvent* event) {
    pressed_ =
        event->button() == Qt::LeftButton ? buttonAt(event->position().toPoint()) : Button::None;
}

// The second press of a double-click counts for nothing, so that a
// double-click on a button is one click.
void MainWindow::mouseDoubleClickEvent(QMouseEvent* /*event*/) {
    pressed_ = Button::None;
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const Button released = buttonAt(event->position().toPoint());
    const Button pressed = pressed_;
    pressed_ = Button::None;
    if (released == pressed) {
        click(released);
    }
}

void MainWindow::click(Button button) {
    if (game_ != nullptr) {
        buttons::click(*game_, button);
    }
}

// Closing the window runs no game code; the game just stops with it.
void MainWindow::closeEvent(QCloseEvent* event) {
    gravityTimer_->setEnabled(false);
    clockTimer_->setEnabled(false);
    event->accept();
    emit closed();
}

} // namespace stackfall
