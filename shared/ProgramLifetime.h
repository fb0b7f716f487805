// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WindowOps.h"

namespace stackfall {

// When the program ends: when its last window closes, so that closing the
// main window while a picture window is open leaves it running until that
// one is clicked away; or at once when the player confirms Exit. Each event
// returns true when the program ends there and then, which happens once.
class ProgramLifetime {
public:
    void opened(Window which) { open(which) = true; }
    [[nodiscard]] bool closed(Window which) {
        open(which) = false;
        return endIfNoneLeft();
    }
    [[nodiscard]] bool mainClosed() {
        mainOpen_ = false;
        return endIfNoneLeft();
    }
    [[nodiscard]] bool exitConfirmed() { return end(); }

    // Once ended, no window opens again.
    [[nodiscard]] bool ended() const { return ended_; }

private:
    [[nodiscard]] bool& open(Window which) {
        return which == Window::GameOver ? gameOverOpen_ : aboutOpen_;
    }
    [[nodiscard]] bool endIfNoneLeft() {
        return !mainOpen_ && !gameOverOpen_ && !aboutOpen_ && end();
    }
    [[nodiscard]] bool end() {
        const bool first = !ended_;
        ended_ = true;
        return first;
    }

    bool mainOpen_ = true;
    bool gameOverOpen_ = false;
    bool aboutOpen_ = false;
    bool ended_ = false;
};

} // namespace stackfall
