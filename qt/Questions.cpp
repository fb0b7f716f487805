// SPDX-License-Identifier: GPL-3.0-or-later
#include "Questions.h"

#include "Geometry.h"

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

} // namespace

Answer askQuestion(QWidget* parent, const Question& question) {
    const bool yesNo = question.buttons == Buttons::YesNo;
    const Answer escape = yesNo ? Answer::No : Answer::Cancel;

    QMessageBox box(parent);
    // Some styles put icons on the standard buttons; the questions have none.
    // The buttons read this as they are made, so it comes first.
    box.setStyleSheet(
        QStringLiteral("QDialogButtonBox { dialogbuttonbox-buttons-have-icons: 0; }"));
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(toQString(question.title));
    box.setTextFormat(Qt::PlainText);
    box.setText(toQString(question.text));
    box.setStandardButtons(yesNo ? (QMessageBox::Yes | QMessageBox::No)
                                 : (QMessageBox::Ok | QMessageBox::Cancel));
    const bool defaultFits =
        yesNo ? (question.defaultButton == Answer::Yes || question.defaultButton == Answer::No)
              : (question.defaultButton == Answer::Ok || question.defaultButton == Answer::Cancel);
    box.setDefaultButton(
        buttonOf(defaultFits ? question.defaultButton : (yesNo ? Answer::Yes : Answer::Ok)));
    box.setEscapeButton(buttonOf(escape));

    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return escape;
    }
}

} // namespace stackfall
