#include "Snapshot.h"

namespace stackfall::fuzz {

Snapshot Snapshot::take(const GameState& state, const testing::FakeWindow& window,
                        const FuzzedRandom& random) {
    return {
        .state = state,
        .cellFill = window.cellFill,
        .cellOutline = window.cellOutline,
        .borderFill = window.borderFill,
        .previewFill = window.previewFill,
        .scoreText = window.scoreText,
        .timeText = window.timeText,
        .levelText = window.levelText,
        .pauseVisible = window.pauseVisible,
        .gravityEnabled = window.gravityEnabled,
        .clockEnabled = window.clockEnabled,
        .gravityPeriod = window.gravityPeriod,
        .gameOverShown = window.gameOverShown,
        .aboutShown = window.aboutShown,
        .ended = window.ended,
        .focus = window.focus,
        .soundCount = window.soundCount,
        .scoreZeroWrites = window.scoreZeroWrites,
        .questions = window.questions.size(),
        .draws = random.draws,
        .reseeds = random.reseeds,
    };
}

std::string differences(const Snapshot& a, const Snapshot& b) {
    std::string out;
    auto check = [&out](bool same, const char* name) {
        if (!same) {
            out += out.empty() ? "" : ", ";
            out += name;
        }
    };
    const GameState& s = a.state;
    const GameState& t = b.state;
    check(s.Paused == t.Paused, "Paused");
    check(s.GameOver == t.GameOver, "GameOver");
    check(s.LevelInterval == t.LevelInterval, "LevelInterval");
    check(s.CellState == t.CellState, "CellState");
    check(s.Score == t.Score, "Score");
    check(s.Level == t.Level, "Level");
    check(s.Hours == t.Hours && s.Minutes == t.Minutes && s.Seconds == t.Seconds, "the clock");
    check(s.PieceCells == t.PieceCells, "PieceCells");
    check(s.PivotSlot == t.PivotSlot, "PivotSlot");
    check(s.CurrentPivot == t.CurrentPivot, "CurrentPivot");
    check(s.NextType == t.NextType, "NextType");
    check(s.PieceShapes == t.PieceShapes, "PieceShapes");
    check(s.CurrentType == t.CurrentType, "CurrentType");
    check(a.cellFill == b.cellFill, "cell fills");
    check(a.cellOutline == b.cellOutline, "cell outlines");
    check(a.borderFill == b.borderFill, "border");
    check(a.previewFill == b.previewFill, "preview");
    check(a.scoreText == b.scoreText, "scorelbl");
    check(a.timeText == b.timeText, "timelbl");
    check(a.levelText == b.levelText, "levellbl");
    check(a.pauseVisible == b.pauseVisible, "pauseimg");
    check(a.gravityEnabled == b.gravityEnabled, "Timer1 enabled");
    check(a.clockEnabled == b.clockEnabled, "Timer2 enabled");
    check(a.gravityPeriod == b.gravityPeriod, "Timer1 period");
    check(a.gameOverShown == b.gameOverShown, "game-over window shown");
    check(a.aboutShown == b.aboutShown, "about box shown");
    check(a.ended == b.ended, "program ended");
    check(a.focus == b.focus, "focus");
    check(a.soundCount == b.soundCount, "sounds played");
    check(a.scoreZeroWrites == b.scoreZeroWrites, "new games");
    check(a.questions == b.questions, "questions asked");
    check(a.draws == b.draws && a.reseeds == b.reseeds, "generator used");
    return out;
}

} // namespace stackfall::fuzz
