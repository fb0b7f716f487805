#pragma once

#include "GameState.h"

#include <cstdint>

namespace stackfall {

class WindowOps;
class RandomSource;

// The game rules of the main window. The window calls the event handlers
// below and nothing else; the rules answer only through WindowOps.
//
// The rules are never re-entered: an event that arrives while another is
// being handled (say from a window that lets queued events run) is refused.
// The one exception is a question box, which keeps the game going behind it.
class Game {
public:
    Game(WindowOps& window, RandomSource& random) : window_(window), random_(random) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    void Form_Load();
    void Form_KeyDown(std::int16_t keyCode, std::int16_t shift);
    void Picture1_KeyDown(std::int16_t keyCode, std::int16_t shift);
    void Picture2_KeyDown(std::int16_t keyCode, std::int16_t shift);
    void Text1_KeyDown(std::int16_t keyCode, std::int16_t shift);
    void VScroll1_KeyDown(std::int16_t keyCode, std::int16_t shift);
    void Timer1_Timer();
    void Timer2_Timer();
    void VScroll1_Change();
    void Image2_Click();
    void Image3_Click();
    void Image4_Click();

    [[nodiscard]] const GameState& state() const { return s_; }
    // True once the player has confirmed Exit; every later event is ignored.
    [[nodiscard]] bool ended() const { return ended_; }

private:
    friend class GameTestAccess;
    class Busy;

    [[nodiscard]] bool accepting() const { return !busy_ && !ended_; }

    // Gravity and moves.
    void GravityStep();
    void ShiftPiece(int step);
    void SettlePiece();
    // Rows.
    void ClearFullRows();
    void ShowScore();
    // Spawning.
    void SpawnPiece();
    void StopGame();
    [[nodiscard]] int DrawType();
    void ShowPreview();
    // Keys.
    void TogglePause();
    void MoveSideways(int step);
    void Turn();
    void TurnAboutPivot();
    void TurnLine();
    // Game control.
    void NewGame();

    void setCell(int cell, Cell state);

    WindowOps& window_;
    RandomSource& random_;
    GameState s_;
    bool busy_ = false;
    bool asking_ = false;
    bool ended_ = false;
};

} // namespace stackfall
