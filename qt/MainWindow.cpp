// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "CaptionBox.h"
#include "Captions.h"
#include "Fonts.h"
#include "Game.h"
#include "GameTimer.h"
#include "GamepadInput.h"
#include "Gamepads.h"
#include "Geometry.h"
#include "Layout.h"
#include "Levels.h"
#include "Palette.h"
#include "ProgramIcon.h"
#include "Questions.h"
#include "TabOrder.h"
#include "TimerSetting.h"
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
      clockPanel_(new CaptionBox(this, toQColor(palette::MidGrey),
                                 {toQString(captions::ClockText.text),
                                  [this] { return faces().fitted(captions::ClockText); },
                                  toQColor(captions::ClockText.colour),
                                  toQRect(captions::ClockText.rect), true})),
      scorePanel_(new CaptionBox(this, toQColor(palette::Black),
                                 {toQString(captions::ScoreText.text),
                                  [this] { return faces().font(captions::ScoreText); },
                                  toQColor(captions::ScoreText.colour),
                                  toQRect(captions::ScoreText.rect), false})),
      levelBar_(new QScrollBar(Qt::Vertical, this)),
      gravityTimer_(new GameTimer(this, timers::GravityPeriodAtOpen)),
      clockTimer_(new GameTimer(this, timers::ClockPeriod)) {
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

    control(focus::TabOrder.front()).setFocus();
    // The focus keeper, a text box, is made when it is first needed: by a
    // level change, which gives it the focus, or by the first step through
    // the tab order (focusNextPrevChild). Until then nothing can reach it,
    // and the game does not start with a text box's code and text layout.
}

bool MainWindow::focusNextPrevChild(bool next) {
    static_cast<void>(focusKeeper());
    return QWidget::focusNextPrevChild(next);
}

QLineEdit& MainWindow::focusKeeper() {
    if (focusKeeper_ != nullptr) {
        return *focusKeeper_;
    }
    // The focus keeper is a text box right of the client area, never seen. A
    // level change moves the focus to it, so that the level bar does not keep
    // the focus and eat the arrow keys that steer the piece.
    focusKeeper_ = new QLineEdit(this);
    focusKeeper_->setText(toQString(captions::FocusKeeperText));
    // Nobody sees it, and an editable box would blink its cursor twice a
    // second while it holds the focus, waking the program with no game on.
    focusKeeper_->setReadOnly(true);
    focusKeeper_->setGeometry(toQRect(layout::FocusKeeper));

    for (std::size_t i = 1; i < focus::TabOrder.size(); ++i) {
        setTabOrder(&control(focus::TabOrder[i - 1]), &control(focus::TabOrder[i]));
    }
    if (game_ != nullptr) {
        focusKeeper_->installEventFilter(this);
    }
    // A child made after its window is shown stays hidden until shown.
    if (isVisible()) {
        focusKeeper_->show();
    }
    return *focusKeeper_;
}

QWidget& MainWindow::control(focus::Control which) {
    switch (which) {
    case focus::Control::ClockPanel:
        return *clockPanel_;
    case focus::Control::ScorePanel:
        return *scorePanel_;
    case focus::Control::LevelBar:
        return *levelBar_;
    case focus::Control::FocusKeeper:
        break;
    }
    return focusKeeper();
}

void MainWindow::attach(Game& game) {
    game_ = &game;
    // The window sees each key before the control that has the focus, so the
    // game acts on every press, auto-repeats included, and the control (the
    // level bar, say) still handles the key afterwards.
    for (QWidget* control : {static_cast<QWidget*>(this), static_cast<QWidget*>(clockPanel_),
                             static_cast<QWidget*>(scorePanel_), static_cast<QWidget*>(levelBar_),
                             static_cast<QWidget*>(focusKeeper_)}) {
        if (control != nullptr) { // the focus keeper installs it when it is made
            control->installEventFilter(this);
        }
    }
    connect(gravityTimer_, &GameTimer::tick, this, [&game] { game.gravityTick(); });
    connect(clockTimer_, &GameTimer::tick, this, [&game] { game.clockTick(); });
    connect(levelBar_, &QScrollBar::valueChanged, this,
            [&game](int value) { game.levelChosen(value); });
}

void MainWindow::invalidate(const Rect& r) {
    update(toQRect(r));
}

void MainWindow::setPanelText(Label label, std::string_view text) {
    (label == Label::Score ? scorePanel_ : clockPanel_)->setText(toQString(text));
}

GameTimer& MainWindow::timer(Timer which) const {
    return which == Timer::Gravity ? *gravityTimer_ : *clockTimer_;
}

void MainWindow::setFocus(FocusTarget target) {
    if (target == FocusTarget::MainWindow) {
        setFocus();
    } else {
        focusKeeper().setFocus();
    }
}

Answer MainWindow::ask(const Question& question) {
    const gamepad::OpenQuestion open(gamepads_, question);
    return askQuestion(this, question);
}

const CaptionFaces& MainWindow::faces() {
    if (!faces_) {
        faces_.emplace();
    }
    return *faces_;
}

void MainWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    surface_.paint(painter, event->region(), model_, faces());
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

// Qt keeps the mouse with the window from a press to its release.
void MainWindow::mousePressEvent(QMouseEvent* event) {
    clicks_.press(event->button() == Qt::LeftButton ? buttonAt(event->position().toPoint())
                                                    : buttons::PictureButton::None);
}

void MainWindow::mouseDoubleClickEvent(QMouseEvent* /*event*/) {
    clicks_.doubleClick();
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        click(clicks_.release(buttonAt(event->position().toPoint())));
    }
}

void MainWindow::click(buttons::PictureButton button) {
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
