// SPDX-License-Identifier: GPL-3.0-or-later
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
    check(s.paused == t.paused, "paused");
    check(s.gameOver == t.gameOver, "gameOver");
    check(s.cells == t.cells, "cells");
    check(s.score == t.score, "score");
    check(s.level == t.level, "level");
    check(s.hours == t.hours && s.minutes == t.minutes && s.seconds == t.seconds, "the clock");
    check(s.pieceCells == t.pieceCells, "pieceCells");
    check(s.pivotSlot == t.pivotSlot, "pivotSlot");
    check(s.nextType == t.nextType, "nextType");
    check(s.currentType == t.currentType, "currentType");
    check(a.cellFill == b.cellFill, "cell fills");
    check(a.cellOutline == b.cellOutline, "cell outlines");
    check(a.borderFill == b.borderFill, "border");
    check(a.previewFill == b.previewFill, "preview");
    check(a.scoreText == b.scoreText, "score text");
    check(a.timeText == b.timeText, "clock text");
    check(a.levelText == b.levelText, "level text");
    check(a.pauseVisible == b.pauseVisible, "pause banner");
    check(a.gravityEnabled == b.gravityEnabled, "gravity timer enabled");
    check(a.clockEnabled == b.clockEnabled, "clock timer enabled");
    check(a.gravityPeriod == b.gravityPeriod, "gravity timer period");
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
