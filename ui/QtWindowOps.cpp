#include "QtWindowOps.h"

#include "CaptionBox.h"
#include "ControlTimer.h"
#include "MainWindow.h"
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

QtWindowOps::QtWindowOps(MainWindow& form, ProgramWindows& windows, PlaySound playSound)
    : form_(form), windows_(windows), playSound_(std::move(playSound)) {
}

void QtWindowOps::setCellFill(int cell, Rgb colour) {
    form_.setCellFill(cell, toColor(colour));
}

void QtWindowOps::setCellOutline(int cell, Rgb colour) {
    form_.setCellOutline(cell, toColor(colour));
}

void QtWindowOps::setBorderFill(int segment, Rgb colour) {
    form_.setBorderFill(segment, toColor(colour));
}

void QtWindowOps::setPreviewFill(int cell, Rgb colour) {
    form_.setPreviewFill(cell, toColor(colour));
}

void QtWindowOps::setLabelText(Label label, std::string_view text) {
    const QString caption = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    switch (label) {
    case Label::Score:
        form_.scorePanel().setText(caption);
        break;
    case Label::Time:
        form_.clockPanel().setText(caption);
        break;
    case Label::Level:
        form_.setLevelText(caption);
        break;
    }
}

void QtWindowOps::setPauseVisible(bool visible) {
    form_.setPauseVisible(visible);
}

void QtWindowOps::setTimerEnabled(Timer timer, bool enabled) {
    (timer == Timer::Gravity ? form_.gravityTimer() : form_.clockTimer()).setEnabled(enabled);
}

void QtWindowOps::setGravityPeriod(int milliseconds) {
    form_.gravityTimer().setInterval(milliseconds);
}

void QtWindowOps::showWindow(Window window) {
    windows_.show(window);
}

Answer QtWindowOps::ask(const Question& question) {
    return askQuestion(&form_, question);
}

void QtWindowOps::endProgram() {
    windows_.endProgram();
}

void QtWindowOps::setFocus(FocusTarget target) {
    if (target == FocusTarget::MainWindow) {
        form_.setFocus();
    } else {
        form_.focusKeeper().setFocus();
    }
}

void QtWindowOps::playSound(Sound sound) {
    if (playSound_) {
        playSound_(sound);
    }
}

} // namespace stackfall
