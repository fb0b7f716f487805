#include "MainWindow.h"

#include "CaptionBox.h"
#include "ControlTimer.h"
#include "Fonts.h"
#include "Game.h"
#include "KeyForwarder.h"
#include "Layout.h"
#include "ProgramIcon.h"
#include "VirtualKey.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace stackfall {

MainWindow::MainWindow()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      clockPanel_(new CaptionBox(
          this, QColor(128, 128, 128),
          {QStringLiteral("00:00"),
           fitted(designFont(12, true), QStringLiteral("00:00"), layout::ClockText.width()),
           QColor(0, 0, 128), layout::ClockText, true})),
      scorePanel_(new CaptionBox(this, QColor(0, 0, 0),
                                 {QStringLiteral("00"), designFont(24, true), QColor(0, 255, 0),
                                  layout::ScoreText, false})),
      levelBar_(new QScrollBar(Qt::Vertical, this)), focusKeeper_(new QLineEdit(this)),
      gravityTimer_(new ControlTimer(this, 0)), clockTimer_(new ControlTimer(this, 1000)) {
    setWindowTitle(QStringLiteral("Stackfall"));
    setWindowIcon(programIcon());
    setFixedSize(layout::ClientSize);
    setAttribute(Qt::WA_OpaquePaintEvent);

    clockPanel_->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    clockPanel_->setGeometry(layout::ClockPanel);
    scorePanel_->setGeometry(layout::ScorePanel);

    levelBar_->setRange(1, 3);
    levelBar_->setValue(1);
    levelBar_->setSingleStep(1);
    levelBar_->setPageStep(1);
    levelBar_->setFocusPolicy(Qt::StrongFocus); // scroll bars take no focus in Qt by default
    levelBar_->setGeometry(layout::LevelBar);

    focusKeeper_->setText(QStringLiteral("Text1"));
    // Nobody sees it, and an editable box would blink its cursor twice a
    // second while it holds the focus, waking the program with no game on.
    focusKeeper_->setReadOnly(true);
    focusKeeper_->setGeometry(layout::FocusKeeper);

    setTabOrder(clockPanel_, scorePanel_);
    setTabOrder(scorePanel_, levelBar_);
    setTabOrder(levelBar_, focusKeeper_);
    clockPanel_->setFocus();
}

void MainWindow::attach(Game& game) {
    game_ = &game;
    new KeyForwarder(clockPanel_,
                     [&game](auto key, auto shift) { game.clockPanelKeyDown(key, shift); });
    new KeyForwarder(scorePanel_,
                     [&game](auto key, auto shift) { game.scorePanelKeyDown(key, shift); });
    new KeyForwarder(levelBar_,
                     [&game](auto key, auto shift) { game.levelBarKeyDown(key, shift); });
    new KeyForwarder(focusKeeper_,
                     [&game](auto key, auto shift) { game.focusKeeperKeyDown(key, shift); });
    connect(gravityTimer_, &ControlTimer::tick, this, [&game] { game.gravityTick(); });
    connect(clockTimer_, &ControlTimer::tick, this, [&game] { game.clockTick(); });
    connect(levelBar_, &QScrollBar::valueChanged, this, [&game] { game.levelChosen(); });
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

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // A key that a focused control did not take comes up to the window as
    // well; that control has passed it to the game already.
    const QWidget* focus = QApplication::focusWidget();
    if (game_ != nullptr && (focus == nullptr || focus == this)) {
        game_->keyDown(virtualKeyCode(event->key()), shiftState(event->modifiers()));
    }
}

MainWindow::Button MainWindow::buttonAt(QPoint pos) {
    if (layout::StartButton.contains(pos)) {
        return Button::Start;
    }
    if (layout::AboutButton.contains(pos)) {
        return Button::About;
    }
    if (layout::ExitButton.contains(pos)) {
        return Button::Exit;
    }
    return Button::None;
}

// A click is a press and a release of the left button over the same button.
void MainWindow::mousePressEvent(QMouseEvent* event) {
    pressed_ =
        event->button() == Qt::LeftButton ? buttonAt(event->position().toPoint()) : Button::None;
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
    if (game_ == nullptr) {
        return;
    }
    switch (button) {
    case Button::Start:
        game_->startClicked();
        break;
    case Button::About:
        game_->aboutClicked();
        break;
    case Button::Exit:
        game_->exitClicked();
        break;
    case Button::None:
        break;
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
