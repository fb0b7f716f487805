// SPDX-License-Identifier: GPL-3.0-or-later
#include "Win32WindowOps.h"

#include "MainWindow.h"
#include "ProgramWindows.h"
#include "Questions.h"
#include "SoundPlayer.h"

namespace stackfall {

void Win32WindowOps::setCellFill(int cell, Rgb colour) {
    mainWindow_.setCellFill(cell, colour);
}

void Win32WindowOps::setCellOutline(int cell, Rgb colour) {
    mainWindow_.setCellOutline(cell, colour);
}

void Win32WindowOps::setBorderFill(int segment, Rgb colour) {
    mainWindow_.setBorderFill(segment, colour);
}

void Win32WindowOps::setPreviewFill(int cell, Rgb colour) {
    mainWindow_.setPreviewFill(cell, colour);
}

void Win32WindowOps::setLabelText(Label label, std::string_view text) {
    mainWindow_.setLabelText(label, text);
}

void Win32WindowOps::setPauseVisible(bool visible) {
    mainWindow_.setPauseVisible(visible);
}

void Win32WindowOps::setTimerEnabled(Timer timer, bool enabled) {
    mainWindow_.setTimerEnabled(timer, enabled);
}

void Win32WindowOps::setGravityPeriod(int milliseconds) {
    mainWindow_.setGravityPeriod(milliseconds);
}

void Win32WindowOps::showWindow(Window window) {
    windows_.show(window);
}

Answer Win32WindowOps::ask(const Question& question) {
    return askQuestion(mainWindow_.handle(), question);
}

void Win32WindowOps::endProgram() {
    windows_.endProgram();
}

void Win32WindowOps::setFocus(FocusTarget target) {
    mainWindow_.setFocus(target);
}

void Win32WindowOps::playSound(Sound sound) {
    sounds_.play(sound);
}

} // namespace stackfall
