#include "Harness.h"

#include "Layout.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

namespace stackfall::testing {

Harness::Harness(std::initializer_list<int> types)
    : random(ScriptedRandom::ofTypes(types)),
      windows(form, [this](int code) { exits.push_back(code); }),
      ops(form, windows, [this](Sound sound) { sounds.push_back(static_cast<int>(sound)); }),
      game(ops, random) {
    form.attach(game);
    game.load();
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form)) {
        qWarning("the main window did not become active");
    }
}

void Harness::clickStart() {
    QTest::mouseClick(&form, Qt::LeftButton, {}, layout::StartButton.center());
}

void Harness::clickAbout() {
    QTest::mouseClick(&form, Qt::LeftButton, {}, layout::AboutButton.center());
}

void Harness::clickExit() {
    QTest::mouseClick(&form, Qt::LeftButton, {}, layout::ExitButton.center());
}

void Harness::pressKey(Qt::Key key, bool autoRepeat, Qt::KeyboardModifiers modifiers) {
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr) {
        target = QApplication::activeWindow();
    }
    QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(), autoRepeat);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, QString(), autoRepeat);
    QApplication::sendEvent(target, &release);
}

QImage Harness::grab() {
    return form.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QuestionAnswerer::QuestionAnswerer(QMessageBox::StandardButton answer, int delayMs)
    : answer_(answer), delayMs_(delayMs) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    clock_.start();
    timer_.start(10);
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
    if (answer_ == QMessageBox::NoButton) {
        QTest::keyClick(box, Qt::Key_Escape);
    } else if (QAbstractButton* button = box->button(answer_)) {
        button->click();
    }
}

} // namespace stackfall::testing
