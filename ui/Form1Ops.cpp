#include "Form1Ops.h"

#include "CaptionBox.h"
#include "ControlTimer.h"
#include "Form1.h"
#include "ProgramWindows.h"
#include "Questions.h"

#include <QColor>
#include <QLineEdit>
#include <QScrollBar>

#include <utility>

namespace stackfall {

namespace {

QColor toColor(Rgb c) {
    return {red(c), green(c), blue(c)};
}

} // namespace

Form1Ops::Form1Ops(Form1& form, ProgramWindows& windows, SoundPlayer playSound)
    : form_(form), windows_(windows), playSound_(std::move(playSound)) {
}

void Form1Ops::setCellFill(int cell, Rgb colour) {
    form_.setCellFill(cell, toColor(colour));
}

void Form1Ops::setCellOutline(int cell, Rgb colour) {
    form_.setCellOutline(cell, toColor(colour));
}

void Form1Ops::setBorderFill(int segment, Rgb colour) {
    form_.setBorderFill(segment, toColor(colour));
}

void Form1Ops::setPreviewFill(int cell, Rgb colour) {
    form_.setPreviewFill(cell, toColor(colour));
}

void Form1Ops::setLabelText(Label label, std::string_view text) {
    const QString caption = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    switch (label) {
    case Label::Score:
        form_.Picture2().setText(caption);
        break;
    case Label::Time:
        form_.Picture1().setText(caption);
        break;
    case Label::Level:
        form_.setLevelText(caption);
        break;
    }
}

void Form1Ops::setPauseVisible(bool visible) {
    form_.setPauseVisible(visible);
}

void Form1Ops::setTimerEnabled(Timer timer, bool enabled) {
    (timer == Timer::Gravity ? form_.Timer1() : form_.Timer2()).setEnabled(enabled);
}

void Form1Ops::setGravityPeriod(int milliseconds) {
    form_.Timer1().setInterval(milliseconds);
}

int Form1Ops::scrollValue() const {
    return form_.VScroll1().value();
}

void Form1Ops::showWindow(Window window) {
    windows_.show(window);
}

Answer Form1Ops::ask(const Question& question) {
    return askQuestion(&form_, question);
}

void Form1Ops::endProgram() {
    windows_.endProgram();
}

void Form1Ops::setFocus(FocusTarget target) {
    if (target == FocusTarget::MainWindow) {
        form_.setFocus();
    } else {
        form_.Text1().setFocus();
    }
}

void Form1Ops::playSound(int id) {
    if (playSound_) {
        playSound_(id);
    }
}

} // namespace stackfall
