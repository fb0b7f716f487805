// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtWindowOps.h"

#include "CaptionBox.h"
#include "GameTimer.h"
#include "Geometry.h"
#include "MainWindow.h"
#include "ProgramWindows.h"
#include "Questions.h"
#include "SoundInterface.h"

#include <QLineEdit>
#include <QScrollBar>

namespace stackfall {

QtWindowOps::QtWindowOps(MainWindow& mainWindow, ProgramWindows& windows, SoundInterface& sound)
    : mainWindow_(mainWindow), windows_(windows), sound_(sound) {
}

void QtWindowOps::setCellFill(int cell, Rgb colour) {
    mainWindow_.setCellFill(cell, toQColor(colour));
}

void QtWindowOps::setCellOutline(int cell, Rgb colour) {
    mainWindow_.setCellOutline(cell, toQColor(colour));
}

void QtWindowOps::setBorderFill(int segment, Rgb colour) {
    mainWindow_.setBorderFill(segment, toQColor(colour));
}

void QtWindowOps::setPreviewFill(int cell, Rgb colour) {
    mainWindow_.setPreviewFill(cell, toQColor(colour));
}

void QtWindowOps::setLabelText(Label label, std::string_view text) {
    const QString caption = toQString(text);
    switch (label) {
    case Label::Score:
        mainWindow_.scorePanel().setText(caption);
        break;
    case Label::Time:
        mainWindow_.clockPanel().setText(caption);
        break;
    case Label::Level:
        mainWindow_.setLevelText(caption);
        break;
    }
}

void QtWindowOps::setPauseVisible(bool visible) {
    mainWindow_.setPauseVisible(visible);
}

void QtWindowOps::setTimerEnabled(Timer timer, bool enabled) {
    (timer == Timer::Gravity ? mainWindow_.gravityTimer() : mainWindow_.clockTimer())
        .setEnabled(enabled);
}

void QtWindowOps::setGravityPeriod(int milliseconds) {
    mainWindow_.gravityTimer().setInterval(milliseconds);
}

void QtWindowOps::showWindow(Window window) {
    windows_.show(window);
}

Answer QtWindowOps::ask(const Question& question) {
    return askQuestion(&mainWindow_, question);
}

void QtWindowOps::endProgram() {
    windows_.endProgram();
}

void QtWindowOps::setFocus(FocusTarget target) {
    if (target == FocusTarget::MainWindow) {
        mainWindow_.setFocus();
    } else {
        mainWindow_.focusKeeper().setFocus();
    }
}

void QtWindowOps::playSound(Sound sound) {
    sound_.play(sound);
}

} // namespace stackfall
