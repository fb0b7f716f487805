// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Game.h"
#include "Layout.h"

#include <array>

// The three picture buttons of the main window: where each sits, and which
// of the rules' events a click on it is.
namespace stackfall::buttons {

enum class PictureButton { None, Start, About, Exit };

struct Placed {
    PictureButton button;
    Rect rect;
};
inline constexpr std::array<Placed, 3> All{{
    {PictureButton::Start, layout::StartButton},
    {PictureButton::About, layout::AboutButton},
    {PictureButton::Exit, layout::ExitButton},
}};

// The button under the point (`x`, `y`) in logical pixels.
[[nodiscard]] constexpr PictureButton at(int x, int y) {
    for (const Placed& p : All) {
        if (p.rect.contains(x, y)) {
            return p.button;
        }
    }
    return PictureButton::None;
}

inline void click(Game& game, PictureButton button) {
    switch (button) {
    case PictureButton::Start:
        game.startClicked();
        break;
    case PictureButton::About:
        game.aboutClicked();
        break;
    case PictureButton::Exit:
        game.exitClicked();
        break;
    case PictureButton::None:
        break;
    }
}

} // namespace stackfall::buttons
