#include "Form1.h"

#include "CaptionBox.h"
#include "ControlTimer.h"
#include "Fonts.h"
#include "Game.h"
#include "KeyForwarder.h"
#include "Layout.h"
#include "VirtualKey.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace stackfall {

namespace {

QIcon programIcon() {
    QIcon icon;
    for (const char* name : {"icon-16", "icon", "icon-48", "icon-64", "icon-128", "icon-256"}) {
        icon.addFile(QStringLiteral(":/pictures/%1.png").arg(QLatin1String(name)));
    }
    return icon;
}

} // namespace

Form1::Form1()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      picture1_(new CaptionBox(
          this, QColor(128, 128, 128),
          {QStringLiteral("00:00"),
           fitted(designFont(12, true), QStringLiteral("00:00"), layout::timelbl.width()),
           QColor(0, 0, 128), layout::timelbl, true})),
      picture2_(new CaptionBox(this, QColor(0, 0, 0),
                               {QStringLiteral("00"), designFont(24, true), QColor(0, 255, 0),
                                layout::scorelbl, false})),
      vscroll1_(new QScrollBar(Qt::Vertical, this)), text1_(new QLineEdit(this)),
      timer1_(new ControlTimer(this, 0)), timer2_(new ControlTimer(this, 1000)) {
    setWindowTitle(QStringLiteral("Stackfall"));
    setWindowIcon(programIcon());
    setFixedSize(layout::ClientSize);
    setAttribute(Qt::WA_OpaquePaintEvent);

    picture1_->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    picture1_->setGeometry(layout::Picture1);
    picture2_->setGeometry(layout::Picture2);

    vscroll1_->setRange(1, 3);
    vscroll1_->setValue(1);
    vscroll1_->setSingleStep(1);
    vscroll1_->setPageStep(1);
    vscroll1_->setFocusPolicy(Qt::StrongFocus); // scroll bars take no focus in Qt by default
    vscroll1_->setGeometry(layout::VScroll1);

    text1_->setText(QStringLiteral("Text1"));
    // Nobody sees it, and an editable box would blink its cursor twice a
    // second while it holds the focus, waking the program with no game on.
    text1_->setReadOnly(true);
    text1_->setGeometry(layout::Text1);

    setTabOrder(picture1_, picture2_);
    setTabOrder(picture2_, vscroll1_);
    setTabOrder(vscroll1_, text1_);
    picture1_->setFocus();
}

void Form1::attach(Game& game) {
    game_ = &game;
    new KeyForwarder(picture1_,
                     [&game](auto key, auto shift) { game.Picture1_KeyDown(key, shift); });
    new KeyForwarder(picture2_,
                     [&game](auto key, auto shift) { game.Picture2_KeyDown(key, shift); });
    new KeyForwarder(vscroll1_,
                     [&game](auto key, auto shift) { game.VScroll1_KeyDown(key, shift); });
    new KeyForwarder(text1_, [&game](auto key, auto shift) { game.Text1_KeyDown(key, shift); });
    connect(timer1_, &ControlTimer::tick, this, [&game] { game.Timer1_Timer(); });
    connect(timer2_, &ControlTimer::tick, this, [&game] { game.Timer2_Timer(); });
    connect(vscroll1_, &QScrollBar::valueChanged, this, [&game] { game.VScroll1_Change(); });
}

void Form1::setCellFill(int cell, QColor colour) {
    update(surface_.setCellFill(cell, colour));
}

void Form1::setCellOutline(int cell, QColor colour) {
    update(surface_.setCellOutline(cell, colour));
}

void Form1::setBorderFill(int segment, QColor colour) {
    update(surface_.setBorderFill(segment, colour));
}

void Form1::setPreviewFill(int cell, QColor colour) {
    update(surface_.setPreviewFill(cell, colour));
}

void Form1::setLevelText(const QString& text) {
    update(surface_.setLevelText(text));
}

void Form1::setPauseVisible(bool visible) {
    update(surface_.setPauseVisible(visible));
}

void Form1::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    surface_.paint(painter, event->rect());
}

void Form1::keyPressEvent(QKeyEvent* event) {
    // A key that a focused control did not take comes up to the window as
    // well; that control has passed it to the game already.
    const QWidget* focus = QApplication::focusWidget();
    if (game_ != nullptr && (focus == nullptr || focus == this)) {
        game_->Form_KeyDown(virtualKeyCode(event->key()), shiftState(event->modifiers()));
    }
}

Form1::Button Form1::buttonAt(QPoint pos) {
    if (layout::Image2.contains(pos)) {
        return Button::Start;
    }
    if (layout::Image3.contains(pos)) {
        return Button::About;
    }
    if (layout::Image4.contains(pos)) {
        return Button::Exit;
    }
    return Button::None;
}

// A click is a press and a release of the left button over the same button.
void Form1::mousePressEvent(QMouseEvent* event) {
    pressed_ =
        event->button() == Qt::LeftButton ? buttonAt(event->position().toPoint()) : Button::None;
}

void Form1::mouseReleaseEvent(QMouseEvent* event) {
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

void Form1::click(Button button) {
    if (game_ == nullptr) {
        return;
    }
    switch (button) {
    case Button::Start:
        game_->Image2_Click();
        break;
    case Button::About:
        game_->Image3_Click();
        break;
    case Button::Exit:
        game_->Image4_Click();
        break;
    case Button::None:
        break;
    }
}

// Closing the window runs no game code; the game just stops with it.
void Form1::closeEvent(QCloseEvent* event) {
    timer1_->setEnabled(false);
    timer2_->setEnabled(false);
    event->accept();
    emit closed();
}

} // namespace stackfall
