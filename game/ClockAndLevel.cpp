// SPDX-License-Identifier: GPL-3.0-or-later
#include "Busy.h"
#include "Game.h"
#include "LabelText.h"
#include "Levels.h"
#include "WindowOps.h"

#include <algorithm>

namespace stackfall {

void Game::clockTick() {
    // The clock only runs during a game; a tick that was already on its way
    // when the game ended must not move the final time.
    if (!accepting() || state_.gameOver) {
        return;
    }
    Busy busy(busy_);
    ++state_.seconds;
    if (state_.seconds >= 60) {
        ++state_.minutes;
        state_.seconds = static_cast<std::int16_t>(state_.seconds - 60);
    }
    if (state_.minutes >= 60) {
        ++state_.hours;
        state_.minutes -= 60;
    }
    window_.setLabelText(Label::Time,
                         LabelText::time(state_.hours, state_.minutes, state_.seconds).view());
}

void Game::levelChosen(int value) {
    if (!accepting()) {
        return;
    }
    Busy busy(busy_);
    state_.level = std::clamp(value, 1, levels::Count);
    const levels::Level& level = levels::level(state_.level);
    window_.setGravityPeriod(level.gravityPeriod);
    window_.setLabelText(Label::Level, level.name);
    window_.setFocus(FocusTarget::MainWindow);
    window_.setFocus(FocusTarget::FocusKeeper);
}

} // namespace stackfall
