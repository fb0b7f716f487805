// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GameKey.h"
#include "GameState.h"

namespace stackfall {

class WindowOps;
class RandomSource;

// The game rules. Start reading here.
//
// Events come in from the window, one at a time, through the handlers below:
// load() once before the window is shown; keyDown() for the five game keys;
// gravityTick() and clockTick() from the gravity and clock timers, which the
// rules switch on and off; levelChosen() from the level bar; and
// startClicked(), aboutClicked() and exitClicked() from the picture buttons.
//
// Everything goes out through WindowOps (WindowOps.h): the fill of cells,
// border segments and preview cells, the score, clock and level texts, the
// pause banner, the timers, the picture windows, the two questions, the
// program's end, the focus and the sounds. The rules draw nothing and own no
// timer; the state they keep is GameState, the field as cells 1 to 299 (see
// Field.h). Randomness comes from a RandomSource, so tests replay games.
//
// The rules are never re-entered: an event that arrives while another is
// being handled (say from a window that lets queued events run) is refused.
// The one exception is a question box, which keeps the game going behind it.
class Game {
public:
    Game(WindowOps& window, RandomSource& random) : window_(window), random_(random) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    void load();
    void keyDown(GameKey key);
    void gravityTick();
    void clockTick();
    void levelChosen(int value);
    void startClicked();
    void aboutClicked();
    void exitClicked();

    [[nodiscard]] const GameState& state() const { return state_; }
    // True once the player has confirmed Exit; every later event is ignored.
    [[nodiscard]] bool ended() const { return ended_; }

private:
    friend class GameTestAccess;
    class Busy;

    [[nodiscard]] bool accepting() const { return !busy_ && !ended_; }

    // Gravity and moves.
    void gravityStep();
    void shiftPiece(int step);
    void settlePiece();
    // Rows.
    void clearFullRows();
    void showScore();
    // Spawning.
    void spawnPiece();
    void endGame();
    [[nodiscard]] int drawType();
    void showPreview();
    // Keys.
    void togglePause();
    void moveSideways(int step);
    void turn();
    void turnAboutPivot();
    void turnLine();
    // Game control.
    void newGame();

    void setCell(int cell, Cell state);

    WindowOps& window_;
    RandomSource& random_;
    GameState state_;
    bool busy_ = false;
    bool asking_ = false;
    bool ended_ = false;
};

} // namespace stackfall
