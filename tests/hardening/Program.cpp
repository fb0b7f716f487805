#include "Program.h"

#include "EmbeddedSounds.h"
#include "Layout.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>

namespace stackfall::hardening {

namespace {

QtMessageHandler passOn = nullptr;

void dropOffscreenLimits(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.startsWith(QLatin1String("This plugin does not support")) && passOn != nullptr) {
        passOn(type, context, text);
    }
}

} // namespace

Program::Program(std::uint64_t seed, Audio audio)
    : random(seed), module(embeddedSound),
      windows(form, [this](int code) { exits.push_back(code); }),
      ops(form, windows,
          [this](stackfall::Sound sound) {
              const int id = static_cast<int>(sound);
              if (id >= 1 && id <= 3) {
                  ++sounds[static_cast<std::size_t>(id)];
              }
              lastSound = id;
              if (audio_ == Audio::Played) {
                  module.play(sound);
              }
          }),
      game(ops, random), audio_(audio) {
    form.attach(game);
    game.load();
    form.show();
    activate();
}

void Program::clickStart() {
    QTest::mouseClick(&form, Qt::LeftButton, {}, layout::StartButton.center());
}

void Program::clickAbout() {
    QTest::mouseClick(&form, Qt::LeftButton, {}, layout::AboutButton.center());
}

void Program::clickExit() {
    QTest::mouseClick(&form, Qt::LeftButton, {}, layout::ExitButton.center());
}

void Program::activate() {
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form)) {
        qWarning("the main window did not become active");
    }
}

void Program::pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers, bool autoRepeat) {
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

QuestionAnswerer::QuestionAnswerer(QMessageBox::StandardButton button) : button_(button) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        timer_.stop();
        answered = true;
        title = box->windowTitle();
        if (QAbstractButton* b = box->button(button_)) {
            b->click();
        } else {
            box->reject();
        }
    });
    timer_.start(0);
}

QuietOffscreenLimits::QuietOffscreenLimits() {
    passOn = qInstallMessageHandler(dropOffscreenLimits);
}

QuietOffscreenLimits::~QuietOffscreenLimits() {
    qInstallMessageHandler(passOn);
    passOn = nullptr;
}

} // namespace stackfall::hardening
