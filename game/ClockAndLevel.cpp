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
    if (!accepting() || s_.gameOver) {
        return;
    }
    Busy busy(busy_);
    ++s_.seconds;
    if (s_.seconds >= 60) {
        ++s_.minutes;
        s_.seconds = static_cast<std::int16_t>(s_.seconds - 60);
    }
    if (s_.minutes >= 60) {
        ++s_.hours;
        s_.minutes -= 60;
    }
    window_.setLabelText(Label::Time, LabelText::time(s_.hours, s_.minutes, s_.seconds).view());
}

void Game::levelChosen(int value) {
    if (!accepting()) {
        return;
    }
    Busy busy(busy_);
    s_.level = std::clamp(value, 1, levels::Count);
    const levels::Level& level = levels::level(s_.level);
    window_.setGravityPeriod(level.gravityPeriod);
    window_.setLabelText(Label::Level, level.name);
    window_.setFocus(FocusTarget::MainWindow);
    window_.setFocus(FocusTarget::FocusKeeper);
}

} // namespace stackfall
