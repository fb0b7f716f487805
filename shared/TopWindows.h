// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Rect.h"
#include "WindowOps.h"

#include <string_view>

// The program's windows: titles, sizes and the pictures they show.
namespace stackfall::windows {

inline constexpr std::string_view MainTitle = "Stackfall";

// A borderless window that shows one picture and closes when clicked.
struct PictureWindowLook {
    std::string_view title;
    Size size;
    std::string_view picture;
};

inline constexpr PictureWindowLook GameOver{"Form2", {501, 339}, "gameover"};
inline constexpr PictureWindowLook About{"About MyApp", {354, 252}, "credits"};

[[nodiscard]] constexpr const PictureWindowLook& lookOf(Window which) {
    return which == Window::GameOver ? GameOver : About;
}

} // namespace stackfall::windows
