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

void Game::NewGame() {
    for (int cell = 1; cell <= field::CellCount; ++cell) {
        setCell(cell, Cell::Empty);
    }
    s_.NextType = DrawType();
    s_.Score = 0;
    ShowScore();
    s_.Paused = false;
    window_.setPauseVisible(false);
    SpawnPiece();
    s_.GameOver = false;
    s_.Hours = 0;
    s_.Minutes = 0;
    s_.Seconds = 0;
    window_.setTimerEnabled(Timer::Gravity, true);
    window_.setTimerEnabled(Timer::Clock, true);
}

void Game::Image2_Click() {
    if (!accepting() || asking_) {
        return;
    }
    if (!s_.GameOver) {
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
    NewGame();
}

void Game::Image3_Click() {
    if (!accepting()) {
        return;
    }
    window_.showWindow(Window::About);
}

void Game::Image4_Click() {
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
