// SPDX-License-Identifier: GPL-3.0-or-later
#include "Harness.h"

#include "Geometry.h"
#include "Layout.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

#include <utility>

namespace stackfall::testing {

namespace {

RandomSource& sourceOf(std::variant<ScriptedRandom, SeededRandom>& random) {
    return std::visit([](auto& r) -> RandomSource& { return r; }, random);
}

QtMessageHandler passOn = nullptr;

void dropOffscreenLimits(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.startsWith(QLatin1String("This plugin does not support")) && passOn != nullptr) {
        passOn(type, context, text);
    }
}

} // namespace

Harness::Harness(std::initializer_list<int> types)
    : Harness(ScriptedRandom::ofTypes(types), nullptr) {
}

Harness::Harness(std::uint64_t seed, SoundInterface* alsoPlay)
    : Harness(SeededRandom(seed), alsoPlay) {
}

Harness::Harness(std::variant<ScriptedRandom, SeededRandom> generator, SoundInterface* alsoPlay)
    : random(std::move(generator)),
      program(sourceOf(random), *this, [this](int code) { exits.push_back(code); }),
      mainWindow(program.mainWindow()), windows(program.windows()), ops(program.windowOps()),
      game(program.game()), alsoPlay_(alsoPlay) {
    program.start();
    activate();
}

void Harness::play(Sound sound) {
    const int id = static_cast<int>(sound);
    sounds.push_back(id);
    if (id >= 1 && id <= 3) {
        ++soundCount[static_cast<std::size_t>(id)];
    }
    if (alsoPlay_ != nullptr) {
        alsoPlay_->play(sound);
    }
}

void Harness::clickStart() {
    QTest::mouseClick(&mainWindow, Qt::LeftButton, {}, toQRect(layout::StartButton).center());
}

void Harness::clickAbout() {
    QTest::mouseClick(&mainWindow, Qt::LeftButton, {}, toQRect(layout::AboutButton).center());
}

void Harness::clickExit() {
    QTest::mouseClick(&mainWindow, Qt::LeftButton, {}, toQRect(layout::ExitButton).center());
}

void Harness::activate() {
    mainWindow.activateWindow();
    if (!QTest::qWaitForWindowActive(&mainWindow)) {
        qWarning("the main window did not become active");
    }
}

void Harness::pressKey(Qt::Key key, bool autoRepeat, Qt::KeyboardModifiers modifiers) {
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr) {
        target = QApplication::activeWindow();
    }
    if (target == nullptr) {
        return;
    }
    QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(), autoRepeat);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, QString(), autoRepeat);
    QApplication::sendEvent(target, &release);
}

QImage Harness::grab() {
    return mainWindow.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QuestionAnswerer::QuestionAnswerer(QMessageBox::StandardButton answer, int delayMs,
                                   bool dismissFirst)
    : answer_(answer), delayMs_(delayMs), dismissFirst_(dismissFirst) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    clock_.start();
    // Without a delay the box is answered as soon as it is up.
    timer_.start(delayMs == 0 ? 0 : 10);
}

void QuestionAnswerer::poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || clock_.elapsed() < delayMs_) {
        return;
    }
    timer_.stop();
    answered = true;
    title = box->windowTitle();
    text = box->text();
    buttons = box->standardButtons();
    defaultButton = box->standardButton(box->defaultButton());
    icon = box->icon();
    for (const QAbstractButton* b : box->buttons()) {
        buttonIcons = buttonIcons || !b->icon().isNull();
    }
    if (dismissFirst_) {
        QTest::keyClick(box, Qt::Key_Escape);
        if (box->isVisible()) {
            box->close();
        }
        dismissed = !box->isVisible();
        if (dismissed) {
            return;
        }
    }
    if (answer_ == QMessageBox::NoButton) {
        QTest::keyClick(box, Qt::Key_Escape);
    } else if (QAbstractButton* button = box->button(answer_)) {
        button->click();
    } else {
        box->reject();
    }
}

QuietOffscreenLimits::QuietOffscreenLimits() {
    passOn = qInstallMessageHandler(dropOffscreenLimits);
}

QuietOffscreenLimits::~QuietOffscreenLimits() {
    qInstallMessageHandler(passOn);
    passOn = nullptr;
}

} // namespace stackfall::testing
