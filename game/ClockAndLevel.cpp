#include "Busy.h"
#include "Game.h"
#include "LabelText.h"
#include "PieceTable.h"
#include "WindowOps.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace stackfall {

namespace {

constexpr std::array<std::string_view, pieces::LevelCount> LevelNames{"Easy", "Mid", "Hard"};

} // namespace

void Game::Timer2_Timer() {
    // The clock only runs during a game; a tick that was already on its way
    // when the game ended must not move the final time.
    if (!accepting() || s_.GameOver) {
        return;
    }
    Busy busy(busy_);
    ++s_.Seconds;
    if (s_.Seconds >= 60) {
        ++s_.Minutes;
        s_.Seconds = static_cast<std::int16_t>(s_.Seconds - 60);
    }
    if (s_.Minutes >= 60) {
        ++s_.Hours;
        s_.Minutes -= 60;
    }
    window_.setLabelText(Label::Time, LabelText::time(s_.Hours, s_.Minutes, s_.Seconds).view());
}

void Game::VScroll1_Change() {
    if (!accepting()) {
        return;
    }
    Busy busy(busy_);
    s_.Level = std::clamp(window_.scrollValue(), 1, pieces::LevelCount);
    window_.setGravityPeriod(s_.LevelInterval(s_.Level));
    window_.setLabelText(Label::Level, LevelNames[static_cast<std::size_t>(s_.Level - 1)]);
    window_.setFocus(FocusTarget::MainWindow);
    window_.setFocus(FocusTarget::Text1);
}

} // namespace stackfall
