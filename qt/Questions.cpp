// SPDX-License-Identifier: GPL-3.0-or-later
#include "Questions.h"

#include "Geometry.h"
#include "QuestionButtons.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QString>

namespace stackfall {

namespace {

QMessageBox::StandardButton buttonOf(Answer answer) {
    switch (answer) {
    case Answer::Ok:
        return QMessageBox::Ok;
    case Answer::Cancel:
        return QMessageBox::Cancel;
    case Answer::Yes:
        return QMessageBox::Yes;
    case Answer::No:
        return QMessageBox::No;
    }
    return QMessageBox::NoButton;
}

// The platform's code of the button that closed the box; 0 for none.
int codeOf(int pressed) {
    for (const Answer answer : {Answer::Ok, Answer::Cancel, Answer::Yes, Answer::No}) {
        if (pressed == buttonOf(answer)) {
            return static_cast<int>(answer);
        }
    }
    return 0;
}

// Keeps a box open against Escape and the window's close button, until one
// of its buttons has been clicked.
class KeepOpen final : public QObject {
public:
    void answered() { answered_ = true; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel)) {
            return true;
        }
        if (event->type() == QEvent::Close && !answered_) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool answered_ = false;
};

} // namespace

Answer askQuestion(QWidget* parent, const Question& question) {
    const auto offered = questions::buttonsOf(question.buttons);
    QMessageBox box(parent);
    // Some styles put icons on the standard buttons; the questions have none.
    // The buttons read this as they are made, so it comes first.
    box.setStyleSheet(
        QStringLiteral("QDialogButtonBox { dialogbuttonbox-buttons-have-icons: 0; }"));
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(toQString(question.title));
    box.setTextFormat(Qt::PlainText);
    box.setText(toQString(question.text));
    box.setStandardButtons(buttonOf(offered[0]) | buttonOf(offered[1]));
    box.setDefaultButton(buttonOf(questions::defaultOf(question)));
    KeepOpen keepOpen;
    if (const auto escape = questions::escapeOf(question.buttons)) {
        box.setEscapeButton(buttonOf(*escape));
    } else {
        box.installEventFilter(&keepOpen);
        QObject::connect(&box, &QMessageBox::buttonClicked, &keepOpen, &KeepOpen::answered);
    }
    return questions::answerOf(question.buttons, codeOf(box.exec()));
}

void answerOpenQuestion(Answer answer) {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (QAbstractButton* button = box != nullptr ? box->button(buttonOf(answer)) : nullptr) {
        button->click();
    }
}

} // namespace stackfall
