// SPDX-License-Identifier: GPL-3.0-or-later
#include "Busy.h"
#include "Game.h"
#include "LabelText.h"
#include "RandomSource.h"
#include "WindowOps.h"

namespace stackfall {

namespace {

constexpr Question RestartQuestion{"Hey baby ngepret, are you sure to restart the game ??",
                                   "God Warning !!!", Buttons::YesNo, Answer::Yes};
constexpr Question ExitQuestion{"Do you want go to the god side ??", "What's up, Zolbert !!",
                                Buttons::OkCancel, Answer::Ok};

} // namespace

void Game::newGame() {
    for (int cell = 1; cell <= field::CellCount; ++cell) {
        setCell(cell, Cell::Empty);
    }
    state_.nextType = drawType();
    state_.score = 0;
    showScore();
    state_.paused = false;
    window_.setPauseVisible(false);
    spawnPiece();
    state_.gameOver = false;
    state_.hours = 0;
    state_.minutes = 0;
    state_.seconds = 0;
    window_.setTimerEnabled(Timer::Gravity, true);
    window_.setTimerEnabled(Timer::Clock, true);
}

void Game::startClicked() {
    if (!accepting() || asking_) {
        return;
    }
    if (!state_.gameOver) {
        // The game goes on behind the question: ticks are handled while it is
        // open, so the rules are not marked busy here.
        asking_ = true;
        const Answer answer = window_.ask(RestartQuestion);
        asking_ = false;
        if (answer != Answer::Yes || !accepting()) {
            return;
        }
    }
    Busy busy(busy_);
    newGame();
}

void Game::aboutClicked() {
    if (!accepting()) {
        return;
    }
    window_.showWindow(Window::About);
}

void Game::exitClicked() {
    if (!accepting() || asking_) {
        return;
    }
    asking_ = true;
    const Answer answer = window_.ask(ExitQuestion);
    asking_ = false;
    if (answer == Answer::Ok && accepting()) {
        ended_ = true;
        window_.endProgram();
    }
}

} // namespace stackfall
